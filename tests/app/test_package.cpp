// The Debian package, as a user gets it: what it depends on, what it puts where, and that the
// program inside it runs.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <sstream>

#include "app/CommandLine.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {
const std::string kBuild =
    std::getenv("MEROW_TEST_BINARY_DIR") ? std::getenv("MEROW_TEST_BINARY_DIR") : ".";

// Exit status and standard output of a shell command.
std::pair<int, std::string> Shell(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(DebianPackage, DependsOnWhatItNeedsInstallsItsFilesAndRuns) {
    if (Shell("for c in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate man; do "
              "command -v $c >/dev/null || exit 1; done")
            .first != 0)
        GTEST_SKIP() << "needs cpack, dpkg-dev, desktop-file-utils and man-db";
    TempDir dir;
    const auto [made, log] =
        Shell("cd '" + kBuild + "' && cpack -G DEB -B '" + dir.path() + "' 2>&1");
    ASSERT_EQ(made, 0) << log;
    const std::string arch = Shell("dpkg --print-architecture").second;
    const std::string deb =
        dir.file("merowfish_" MEROW_VERSION "_" + arch.substr(0, arch.find('\n')) + ".deb");
    ASSERT_TRUE(FileExists(deb)) << log;

    // The libraries come from the binary; the music's GStreamer plugins are named.
    const std::string depends = Shell("dpkg-deb -f '" + deb + "' Depends").second;
    for (const char* package :
         {"gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "libqt6gui6", "libc6"})
        EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;

    const std::string root = dir.file("root");
    ASSERT_EQ(Shell("dpkg-deb -x '" + deb + "' '" + root + "'").first, 0);
    EXPECT_EQ(
        Shell("desktop-file-validate " + root + "/usr/share/applications/merowfish.desktop").first,
        0);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string icon = root + "/usr/share/icons/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/merowfish.png";
        EXPECT_EQ(QImage(QString::fromStdString(icon)).size(), QSize(size, size)) << icon;
    }
    // The manual page documents every option --help shows.
    const std::string manual =
        Shell("MANWIDTH=200 LC_ALL=C man -l " + root + "/usr/share/man/man6/merowfish.6.gz").second;
    std::istringstream usage(UsageText());
    for (std::string line, option; std::getline(usage, line);) {
        if (line.rfind("  -", 0) == 0 && std::istringstream(line) >> option) {
            EXPECT_NE(manual.find(option), std::string::npos) << option;
        }
    }

    // The program from the package runs for a few frames.
    const std::string program = root + "/usr/bin/merowfish";
    EXPECT_EQ(Shell(program + " --version").second, "merowfish " MEROW_VERSION "\n");
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "running it needs a display (run under xvfb-run)";
    ChildProcess run = ChildProcess::Start(
        program, {"--window", "320x200", "--frames", "5", "--storage-dir", dir.file("storage")},
        {"HOME=" + dir.path(), "XDG_RUNTIME_DIR=" + dir.path(), "TMPDIR=" + dir.path(),
         "MEROW_NO_MESSAGEBOX=1", "ASAN_OPTIONS=detect_leaks=0"});
    EXPECT_EQ(run.Wait(60000), 0) << run.Output();
}

}  // namespace
