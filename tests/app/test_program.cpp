// The real program under a display: exit statuses, single instance, Esc, screenshots.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace {

std::string ProgramPath() {
    const char* dir = std::getenv("MEROW_TEST_BINARY_DIR");
    return std::string(dir ? dir : ".") + "/merowfish";
}

bool HaveDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

#define REQUIRE_DISPLAY() \
    if (!HaveDisplay())   \
    GTEST_SKIP() << "needs a display (run under xvfb-run)"

class ProgramTest : public ::testing::Test {
protected:
    // Each test gets its own home, so the named locks and caches are its own.
    void SetUp() override {
        m_env = {"HOME=" + m_home.path(), "XDG_CACHE_HOME=" + m_home.path() + "cache",
                 "XDG_CONFIG_HOME=" + m_home.path() + "config",
                 "XDG_RUNTIME_DIR=" + m_home.path() + "run", "TMPDIR=" + m_home.path(),
                 "MEROW_NO_MESSAGEBOX=1", "QT_LOGGING_RULES=qt.multimedia*=false",
                 // The GL driver is unloaded before a sanitizer's leak check could name it.
                 "ASAN_OPTIONS=detect_leaks=0"};
        std::filesystem::create_directories(m_home.path() + "run");
        std::filesystem::permissions(m_home.path() + "run", std::filesystem::perms::owner_all);
    }
    ChildProcess start(const std::vector<std::string>& args) {
        return ChildProcess::Start(ProgramPath(), args, m_env);
    }
    std::string storage() const { return m_home.path() + "storage"; }

    TempDir m_home;
    std::vector<std::string> m_env;
};

TEST_F(ProgramTest, HelpVersionAndBadOptions) {
    ChildProcess help = start({"--help"});
    EXPECT_EQ(help.Wait(10000), 0);
    EXPECT_NE(help.Output().find("--window WxH"), std::string::npos);
    ChildProcess version = start({"--version"});
    EXPECT_EQ(version.Wait(10000), 0);
    EXPECT_EQ(version.Output().rfind("merowfish ", 0), 0u);
    ChildProcess bad = start({"--frames", "many"});
    EXPECT_EQ(bad.Wait(10000), 2);
    EXPECT_NE(bad.Output().find("--frames"), std::string::npos);
    ChildProcess unknown = start({"--fullscreen-please"});
    EXPECT_EQ(unknown.Wait(10000), 2);
    EXPECT_NE(unknown.Output().find("--fullscreen-please"), std::string::npos);
}

TEST_F(ProgramTest, FramesRunEndsWithStatusZeroAndWritesTheSettings) {
    REQUIRE_DISPLAY();
    const std::string shot = m_home.path() + "shot.png";
    ChildProcess p = start({"--window", "1024x768", "--frames", "20", "--storage-dir", storage(),
                            "--screenshot", shot});
    EXPECT_EQ(p.Wait(60000), 0) << p.Output();
    const std::string ini = ReadFileBytes(storage() + "/MerowSet.ini");
    EXPECT_EQ(ini.rfind("[Aquarium Settings]\r\nShow Water=0\r\n", 0), 0u);
    EXPECT_NE(ini.find("\r\nVIEWSNEARFAR=0\r\n[Fish Number]\r\nFish0="), std::string::npos);
    QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1024);
    EXPECT_EQ(image.height(), 768);
}

TEST_F(ProgramTest, SecondStartExitsAtOnceWhileTheFirstRuns) {
    REQUIRE_DISPLAY();
    ChildProcess first = start({"--window", "640x480", "--storage-dir", storage()});
    ASSERT_TRUE(WaitForFile(storage() + "/MerowSet.ini", 30000)) << first.Output();
    const auto t0 = std::chrono::steady_clock::now();
    ChildProcess second = start({"--window", "640x480", "--storage-dir", storage()});
    EXPECT_EQ(second.Wait(10000), 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_LT(seconds, 2.0);
    EXPECT_TRUE(first.Running()) << "the first aquarium must keep running";
    first.Kill();
    first.Wait(5000);
    // A lock left by a killed aquarium is taken over.
    ChildProcess third =
        start({"--window", "640x480", "--frames", "3", "--storage-dir", storage()});
    EXPECT_EQ(third.Wait(30000), 0);
}

TEST_F(ProgramTest, EscapeEndsTheProgramWithStatusZero) {
    REQUIRE_DISPLAY();
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs xdotool";
    ChildProcess p = start({"--window", "640x480", "--storage-dir", storage()});
    ASSERT_TRUE(WaitForFile(storage() + "/MerowSet.ini", 30000)) << p.Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string pid = std::to_string(p.Pid());
    // Focus the aquarium's windows, then press Esc as a user would (XTEST).
    const std::string cmd = "for w in $(xdotool search --sync --onlyvisible --pid " + pid +
                            "); do xdotool windowfocus $w 2>/dev/null; done; xdotool key Escape";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(p.Wait(5000), 0) << p.Output();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), 1.0);
}

}  // namespace

namespace {

TEST_F(ProgramTest, UncreatableStorageFolderIsReportedAndTheTankStillRuns) {
    REQUIRE_DISPLAY();
    WriteFileBytes(m_home.path() + "plainfile", "not a folder");
    ChildProcess p = start({"--window", "640x480", "--frames", "5", "--storage-dir",
                            m_home.path() + "plainfile/aquarium"});
    EXPECT_EQ(p.Wait(30000), 0);
    EXPECT_NE(p.Output().find("Cannot create the settings folder"), std::string::npos)
        << p.Output();
}

TEST_F(ProgramTest, UnwritableSettingsFileIsReportedOnceAndTheTankStillRuns) {
    REQUIRE_DISPLAY();
    std::filesystem::create_directories(storage() + "/MerowSet.ini");
    ChildProcess p = start({"--window", "640x480", "--frames", "5", "--storage-dir", storage()});
    EXPECT_EQ(p.Wait(30000), 0);
    const std::string out = p.Output();
    const auto first = out.find("Could not save settings");
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find("Could not save settings", first + 1), std::string::npos) << out;
}

}  // namespace
