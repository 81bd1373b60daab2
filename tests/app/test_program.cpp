// The real program: exit statuses, one aquarium at a time, Esc, pacing, and failing starts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <chrono>
#include <set>
#include <thread>

#include "platform/UserDirectories.h"
#include "scene/Assets.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WindowSearch.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {
const char* const kBinaryDir = std::getenv("MEROW_TEST_BINARY_DIR");
const std::string kProgram = std::string(kBinaryDir ? kBinaryDir : ".") + "/merowfish";

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display (run under xvfb-run)";
    }
    // Each test's own home (mode 0700) is also its runtime (locks), temporary and cache folder.
    ChildProcess start(std::vector<std::string> args, std::vector<std::string> env = {},
                       const std::string& program = kProgram) {
        return ChildProcess::Start(program, args, IsolatedEnvironment(m_home.path(), env));
    }
    TempDir m_home;
    const std::string m_ini = m_home.file("storage/MerowSet.ini");
};

TEST_F(ProgramTest, OneAquariumAtATimeEscEndsItAndTheNextRunsPaced) {
    ChildProcess first = start({"--window", "640x480", "--storage-dir", m_home.file("storage")});
    ASSERT_TRUE(WaitForFile(m_ini, 30000)) << first.Output();
    EXPECT_EQ(start({"--window", "640x480"}).Wait(10000), 0) << "a second start ends at once";
    ASSERT_TRUE(first.Running()) << "the first aquarium keeps running";
    std::this_thread::sleep_for(500ms);
    // Esc as a user presses it (XTEST) on the focused aquarium.
    const std::vector<unsigned long> windows =
        WaitForWindows("--onlyvisible --pid " + std::to_string(first.Pid()));
    ASSERT_FALSE(windows.empty()) << first.Output();
    std::string esc;
    for (const unsigned long w : windows)
        esc += "xdotool windowfocus " + std::to_string(w) + "; ";
    ASSERT_EQ(std::system((esc + "xdotool key Escape").c_str()), 0);
    EXPECT_EQ(first.Wait(20000), 0) << first.Output();

    // The lock went with it: the next aquarium starts, is paced, writes the settings in order
    // and draws the tank.
    fs::remove(m_ini);
    const auto t0 = Clock::now();
    ChildProcess p = start({"--window", "640x480", "--frames", "100", "--storage-dir",
                            m_home.file("storage"), "--screenshot", m_home.file("shot.png")});
    ASSERT_EQ(p.Wait(60000), 0) << p.Output();
    EXPECT_GE((Clock::now() - t0) / 1ms, 1900) << "50 ticks a second at most";
    const std::string ini = ReadFileBytes(m_ini);
    EXPECT_EQ(ini.rfind("[Aquarium Settings]\r\nShow Water=0\r\nShow Light=0\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("\r\nVIEWSNEARFAR=0\r\n[Fish Number]\r\nFish0="), std::string::npos);
    const QImage shot = QImage(QString::fromStdString(m_home.file("shot.png")));
    ASSERT_EQ(shot.size(), QSize(640, 480));
    if (AssetResourceBytes(154).empty())
        GTEST_SKIP() << "no embedded assets: the tank has no pictures to show";
    std::set<QRgb> colours;
    for (int i = 0; i < 640 * 480; ++i)
        colours.insert(shot.pixel(i % 640, i / 640));
    EXPECT_GT(colours.size(), 1000u) << "the built-in background alone has thousands";
}

TEST_F(ProgramTest, UnusableFoldersAreReportedAndTheTankStillRuns) {
    // Lock folder a plain file, settings folder impossible, a link at a predictable fallback name.
    WriteFileBytes(m_home.file("plain"), "not a folder");
    const char* user = std::getenv("USER");
    const std::string predictable = std::string("merowfish-") + (user && *user ? user : "user");
    fs::create_directory(m_home.file("trap"));
    fs::create_directory_symlink(m_home.file("trap"), m_home.file(predictable));
    ChildProcess p = start({"--frames", "5", "--storage-dir", m_home.file("plain/aquarium")},
                           {"XDG_RUNTIME_DIR=" + m_home.file("plain")});
    EXPECT_EQ(p.Wait(30000), 0);
    const std::string out = p.Output();
    EXPECT_NE(out.find("lock in \"" + m_home.file("plain\" (Not a directory)")), std::string::npos)
        << out;
    EXPECT_NE(out.find("Settings are kept in \"" + m_home.path()), std::string::npos) << out;
    EXPECT_EQ(out.find(predictable), std::string::npos) << out;
    EXPECT_TRUE(fs::is_empty(m_home.file("trap")));
}

TEST_F(ProgramTest, BadOptionNoDisplayOrNoOpenGlEndWithOneLine) {
    const std::vector<std::string> run = {"--frames", "2", "--storage-dir", m_home.file("storage")};
    // Qt falls back from GLX to EGL: a server without GLX and no EGL driver leave no OpenGL.
    const std::vector<std::string> noGl = {
        "-a", "-s", "-screen 0 800x600x24 -extension GLX", kProgram, "--frames", "2"};
    using Case = std::tuple<std::vector<std::string>, std::vector<std::string>, std::string, int,
                            std::string>;
    for (const auto& [args, env, program, status, says] : std::vector<Case>{
             {{"--fullscreen-please"}, {}, kProgram, 2, "--fullscreen-please"},
             {run, {"DISPLAY", "WAYLAND_DISPLAY"}, kProgram, 1, "DISPLAY is not set"},
             {run, {"DISPLAY=:987"}, kProgram, 1, "DISPLAY=:987"},
             {noGl, {"__EGL_VENDOR_LIBRARY_FILENAMES=/none"}, "xvfb-run", 1, "OpenGL"}}) {
        ChildProcess p = start(args, env, program);
        EXPECT_EQ(p.Wait(30000), status) << says;
        const std::string out = p.Output();
        EXPECT_NE(out.find(says), std::string::npos) << out;
        EXPECT_EQ(out.find('\n'), out.size() - 1) << "exactly one line: " << out;
    }
    // No lock is left behind: the next start really runs.
    EXPECT_EQ(start(run).Wait(30000), 0);
    EXPECT_TRUE(FileExists(m_ini));
}
}  // namespace

TEST(PrivateTemporaryDirectory, OnePerProcessOnlyItsOwnerMayEnter) {
    const std::string dir = PrivateTemporaryDirectory();
    struct stat st {};
    ASSERT_EQ(lstat(dir.c_str(), &st), 0) << dir;
    EXPECT_EQ(st.st_mode, S_IFDIR | 0700u);
    EXPECT_EQ(st.st_uid, geteuid());
    EXPECT_EQ(PrivateTemporaryDirectory(), dir);
}
