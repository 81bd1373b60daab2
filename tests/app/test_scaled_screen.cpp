// On a scaled desktop the tank still fills the whole screen, in the screen's own pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <cstdlib>
#include <set>

#include "support/ChildProcess.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

// Share of a region's pixels that are near black, and how many distinct colours it has.
struct RegionLook {
    double darkShare;
    size_t colours;
};

RegionLook Look(const QImage& image, const QRect& region) {
    size_t dark = 0;
    std::set<QRgb> colours;
    for (int y = region.top(); y <= region.bottom(); y += 3) {
        for (int x = region.left(); x <= region.right(); x += 3) {
            const QRgb c = image.pixel(x, y);
            dark += qRed(c) + qGreen(c) + qBlue(c) < 30;
            colours.insert(c);
        }
    }
    const double samples = ((region.width() + 2) / 3) * ((region.height() + 2) / 3);
    return {dark / samples, colours.size()};
}

TEST(ScaledScreen, TankFillsTheWholeScreenAtScaleTwo) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    EnsureGuiApplication();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();

    TempDir home;
    const std::string shot = home.file("shot.png");
    const char* dir = std::getenv("MEROW_TEST_BINARY_DIR");
    ChildProcess p = ChildProcess::Start(
        std::string(dir ? dir : ".") + "/merowfish",
        {"--frames", "40", "--screenshot", shot, "--storage-dir", home.file("storage")},
        {"QT_SCALE_FACTOR=2", "HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(),
         "MEROW_NO_MESSAGEBOX=1", "ASAN_OPTIONS=detect_leaks=0"});
    ASSERT_EQ(p.Wait(60000), 0) << p.Output();

    const QImage image(QString::fromStdString(shot));
    ASSERT_EQ(image.size(), screen) << "the frame is read back in device pixels";
    const int w = image.width() / 2, h = image.height() / 2;
    for (const QRect& quadrant :
         {QRect(0, 0, w, h), QRect(w, 0, w, h), QRect(0, h, w, h), QRect(w, h, w, h)}) {
        const RegionLook look = Look(image, quadrant);
        EXPECT_LT(look.darkShare, 0.2) << "quadrant at " << quadrant.x() << "," << quadrant.y();
        EXPECT_GT(look.colours, 500u) << "quadrant at " << quadrant.x() << "," << quadrant.y();
    }
}

}  // namespace
