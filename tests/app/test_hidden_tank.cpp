// A tank nobody can see draws nothing: not while its window is unmapped (minimised, on another
// desktop) and not while another window covers it completely. Frames are counted where they are
// presented, by the swap counter the measuring tools use.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRasterWindow>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <thread>

#include "support/ChildProcess.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

const std::string kBinaryDir = std::getenv("MEROW_TEST_BINARY_DIR") ?: ".";

long Presented(const std::string& counter) {
    std::ifstream in(counter);
    long n = 0;
    in >> n;
    return n;
}

// Frames presented over the next second, once a frame that was under way has gone out.
long PresentedOverASecond(const std::string& counter) {
    QTest::qWait(300);
    const long before = Presented(counter);
    QTest::qWait(1000);
    return Presented(counter) - before;
}

TEST(HiddenTank, DrawsNothingWhileUnmappedOrCoveredAndDrawsAgainWhenSeen) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    EnsureGuiApplication();
    TempDir home;
    const std::string counter = home.file("presented");
    ChildProcess tank = ChildProcess::Start(
        kBinaryDir + "/merowfish", {"--window", "320x240", "--storage-dir", home.file("storage")},
        {"LD_PRELOAD=" + kBinaryDir + "/tools/measure/libswapcount.so", "SWAPCOUNT_FILE=" + counter,
         "HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "MEROW_NO_MESSAGEBOX=1",
         "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0"});
    const std::string pid = std::to_string(tank.Pid());
    ASSERT_EQ(std::system(
                  ("xdotool search --sync --onlyvisible --pid " + pid + " >" + home.file("window"))
                      .c_str()),
              0)
        << tank.Output();
    std::string window;
    std::ifstream(home.file("window")) >> window;
    EXPECT_GT(PresentedOverASecond(counter), 0) << "shown";

    ASSERT_EQ(std::system(("xdotool windowunmap --sync " + window).c_str()), 0);
    EXPECT_EQ(PresentedOverASecond(counter), 0) << "unmapped";
    ASSERT_EQ(std::system(("xdotool windowmap --sync " + window).c_str()), 0);
    EXPECT_GT(PresentedOverASecond(counter), 0) << "shown again";

    QRasterWindow cover;
    cover.setFlags(Qt::Window | Qt::FramelessWindowHint);
    cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    EXPECT_EQ(PresentedOverASecond(counter), 0) << "covered";
    cover.hide();
    EXPECT_GT(PresentedOverASecond(counter), 0) << "uncovered";
    EXPECT_TRUE(tank.Running()) << tank.Output();
    tank.Kill();
    tank.Wait(5000);
}

}  // namespace
