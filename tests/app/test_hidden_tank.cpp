// A tank nobody can see draws nothing, counted where frames are presented (the measuring tools'
// swap counter): not while its window is unmapped or completely covered, nor while the X server
// has blanked the screen; seen again, it draws.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRasterWindow>
#include <QScreen>
#include <QTest>
#include <fstream>

#include "support/ChildProcess.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"
#include "support/WindowSearch.h"

TEST(HiddenTank, DrawsNothingWhileUnmappedCoveredOrBlankedAndDrawsAgainWhenSeen) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    EnsureGuiApplication();
    const std::string bin = std::getenv("MEROW_TEST_BINARY_DIR") ?: ".";
    TempDir home;
    const std::string counter = home.file("presented");
    ChildProcess tank = ChildProcess::Start(
        bin + "/merowfish", {"--window", "320x240", "--storage-dir", home.file("storage")},
        {"LD_PRELOAD=" + bin + "/tools/measure/libswapcount.so", "SWAPCOUNT_FILE=" + counter,
         "HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "MEROW_NO_MESSAGEBOX=1",
         "ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0"});
    auto xdotool = [&](const std::string& command) {
        return std::system(("xdotool " + command).c_str());
    };
    auto presented = [&] {
        long n = 0;
        std::ifstream(counter) >> n;
        return n;
    };
    // Over a second; a hidden phase starts once frames under way have gone out.
    auto presentedOverASecond = [&](bool hidden) {
        for (long last = -1, tries = 0; hidden && presented() != last && tries < 20; ++tries) {
            last = presented();
            QTest::qWait(500);
        }
        const long before = presented();
        QTest::qWait(1000);
        return presented() - before;
    };
    const std::string window = WaitForWindow("--onlyvisible --pid " + std::to_string(tank.Pid()));
    ASSERT_FALSE(window.empty()) << tank.Output();
    ASSERT_TRUE(QTest::qWaitFor([&] { return presented() > 5; }, 30000)) << tank.Output();
    ASSERT_EQ(xdotool("windowunmap --sync " + window), 0);
    EXPECT_EQ(presentedOverASecond(true), 0) << "unmapped";
    ASSERT_EQ(xdotool("windowmap --sync " + window), 0);
    EXPECT_GT(presentedOverASecond(false), 0) << "shown again";

    QRasterWindow cover;
    cover.setFlags(Qt::Window | Qt::FramelessWindowHint);
    cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    EXPECT_EQ(presentedOverASecond(true), 0) << "covered";
    cover.hide();
    EXPECT_GT(presentedOverASecond(false), 0) << "uncovered";

    ASSERT_EQ(std::system("xset s blank && xset s activate"), 0);
    EXPECT_EQ(presentedOverASecond(true), 0) << "blanked by the server's screen saver";
    ASSERT_EQ(std::system("xset s reset"), 0);
    EXPECT_GT(presentedOverASecond(false), 0) << "woken";
    tank.Kill();
}
