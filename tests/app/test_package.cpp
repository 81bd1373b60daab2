// The Debian package as a user gets it: what it depends on, what it puts where, and that the
// program inside it runs.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

TEST(DebianPackage, DependsOnWhatItNeedsInstallsItsFilesAndRuns) {
    if (std::system("for c in cpack dpkg-shlibdeps file desktop-file-validate man; do "
                    "command -v $c > /dev/null || exit 1; done") != 0)
        GTEST_SKIP() << "needs cpack, dpkg-dev, file, desktop-file-utils and man-db";
    const char* build = std::getenv("MEROW_TEST_BINARY_DIR");
    TempDir dir;
    const std::string d = dir.path(), root = d + "root/usr/";
    // Made (gzip packs faster than the package's xz), unpacked, its menu entry checked and its
    // manual page shown as man shows it.
    const std::string steps =
        "cd '" + std::string(build ? build : ".") +
        "' && cpack -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip -B '" + d + "' && cd '" + d +
        "' && deb=merowfish_" MEROW_VERSION "_$(dpkg --print-architecture).deb && " +
        "dpkg-deb -f $deb Depends > depends && dpkg-deb -x $deb root && desktop-file-validate " +
        "root/usr/share/applications/merowfish.desktop && MANWIDTH=200 LC_ALL=C man -l " +
        "root/usr/share/man/man6/merowfish.6.gz > manual && file -b " +
        "root/usr/share/icons/hicolor/*/apps/merowfish.png > icons";
    ASSERT_EQ(std::system(("(" + steps + ") > '" + d + "log' 2>&1").c_str()), 0)
        << ReadFileBytes(d + "log");

    // The libraries come from the binary; the music's GStreamer plugins are named.
    const std::string depends = ReadFileBytes(d + "depends");
    for (const char* package :
         {"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "libqt6gui6", "libc6"})
        EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;
    const std::string icons = ReadFileBytes(d + "icons");
    for (const char* size : {"16 x 16", "32 x 32", "48 x 48", "64 x 64", "128 x 128", "256 x 256"})
        EXPECT_NE(icons.find("PNG image data, " + std::string(size)), std::string::npos) << icons;
    // The manual page documents every option --help shows.
    const std::string manual = ReadFileBytes(d + "manual");
    std::istringstream usage(UsageText());
    for (std::string line, option; std::getline(usage, line);) {
        if (line.rfind("  -", 0) == 0 && std::istringstream(line) >> option) {
            EXPECT_NE(manual.find(option), std::string::npos) << option;
        }
    }

    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "running it needs a display (run under xvfb-run)";
    ChildProcess run = ChildProcess::Start(
        root + "bin/merowfish", {"--window", "320x200", "--frames", "5", "--storage-dir", d + "s"},
        IsolatedEnvironment(d));
    EXPECT_EQ(run.Wait(60000), 0) << run.Output();
}
