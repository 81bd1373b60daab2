// The user's picture in the real program: a saved list with "Use your own image" on shows the
// picture behind the tank from the start; the menu opens the dialog, and Escape saves it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "settings/AquariumSettings.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"
#include "support/WindowSearch.h"

namespace {

double RedShare(const QImage& area) {
    int red = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor c = area.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    return double(red) / (area.width() * area.height());
}

TEST(BackgroundProgram, SavedPictureShowsThroughTheRipplesMenuOpensTheDialogEscapeSavesIt) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    EnsureWidgetApplication();
    TempDir home;
    const std::string storage = home.file("storage/"), ini = storage + "MerowSet.ini";
    std::filesystem::create_directories(storage);
    QImage red(64, 64, QImage::Format_RGB888);
    red.fill(Qt::red);
    red.save(QString::fromStdString(home.file("red.png")));
    std::string settings =
        "[Custom Images]\r\nOwnImage=1\r\nImageSum=1\r\nImageList0=" + home.file("red.png") +
        "\r\n[Fish Number]\r\n";
    for (int i = 0; i < kSpeciesCount; ++i)  // nothing swims in front of the picture
        settings += "Fish" + std::to_string(i) + "=0\r\n";
    WriteFileBytes(ini, settings);
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", storage},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    const QRect tank(0, 0, 640, 300);  // above the floor; no window manager: at the corner
    double share = 0;
    for (int i = 0; i < 100 && share < 0.8; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        share = RedShare(QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(tank));
    }
    EXPECT_GT(share, 0.8) << p.Output();

    EXPECT_EQ(std::system("xdotool mousemove --sync 100 60 click 3 sleep 0.5 "
                          "mousemove_relative 70 120 sleep 0.3 click 1"),
              0);
    const std::string dialog = WaitForWindow(
        "--onlyvisible --name '^Custom Background - Merow Fish Screensaver 1.1$'", 10000);
    EXPECT_FALSE(dialog.empty()) << "the dialog opens";
    // The key goes in a command of its own: chained after a window, xdotool sends the release as
    // a plain event to the window the press closed, and the display keeps the key held down.
    EXPECT_EQ(
        std::system(("xdotool windowfocus --sync " + dialog + " && xdotool key Escape").c_str()),
        0);
    for (int i = 0; i < 50 && ReadFileBytes(ini).find("RandomImage=0") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_NE(ReadFileBytes(ini).find("ImageSum=1\r\nImageList0="), std::string::npos);
    p.Kill();
}

}  // namespace
