// The mouse tools on a scene that is never shown, and on the real program driven through XTEST.
#include <gtest/gtest.h>

#include <QScreen>
#include <algorithm>
#include <functional>
#include <map>

#include "app/AquariumScene.h"
#include "app/SceneCommands.h"
#include "platform/PrivateProfile.h"
#include "scene/PlainPictures.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"
#include "support/WindowSearch.h"

namespace {

TEST(MouseTools, DialogCommandsLeaveTheToolClickToolsMarkTheirOwnClicksRipplesStartUnderThem) {
    EnsureWidgetApplication();
    CAquariumScene scene{SceneRunOptions{}};
    EXPECT_FALSE(scene.OnCommand(kModeEnlarge));  // a tool, not a command of the scene's
    EXPECT_TRUE(scene.m_nMode == kModeEnlarge && scene.m_ToolBar.m_nMode == kModeEnlarge);
    for (int dialog : {kCmdCustomMusic, kCmdCustomBackground}) {
        EXPECT_TRUE(scene.OnCommand(dialog));
        EXPECT_TRUE(scene.m_nMode == dialog && scene.m_ToolBar.m_nMode == kModeEnlarge) << dialog;
    }
    for (int dialog : {kCmdFishSettings, kCmdAquariumSettings})  // these two run modally
        EXPECT_EQ(ToolBarModeAfterCommand(dialog, kModeFeed), kModeFeed) << dialog;
    scene.m_pWater = std::make_unique<CRippleSurface>();
    scene.m_pWater->Init(scene.m_nWidth, scene.m_nHeight);
    const int modes[] = {kModeNone, kModeRipple, kModeFeed, kModeProbeTest, kModeMark};
    for (int i = 0; i < 5; ++i) {
        scene.OnCommand(modes[i]);
        scene.OnLButtonDown(QPoint(10 + i, 20));
        EXPECT_EQ(scene.m_ptMouse, QPoint(10 + i, 20));
        const bool clicks[] = {scene.m_bFeedClick, scene.m_bProbeClick, scene.m_bMarkClick};
        for (int f = 0; f < 3; ++f)
            EXPECT_EQ(clicks[f], f + 2 <= i) << "mode " << modes[i] << ", click flag " << f;
        EXPECT_EQ(scene.m_pWater->IsSlotFree(0), i == 0) << "mode " << modes[i];
    }
    scene.OnCommand(kModeRipple);
    scene.OnLButtonDown(QPoint(scene.m_nWidth - 1, scene.m_nHeight - 1));  // bottom right
    EXPECT_EQ(scene.m_pWater->m_nCentreY[0], 31) << "a click on the top row starts at the top";
    EXPECT_TRUE(scene.m_pWater->m_nCentreX[1] == 31 && scene.m_pWater->m_nCentreY[1] == 0);
}

TEST(MouseTools, PointerIsHiddenWithoutAToolAndHeldDiffersFromUpWithTheHotSpotInThePicture) {
    EnsureWidgetApplication();
    CAquariumScene scene{SceneRunOptions{}};
    scene.OnMouseMove({});
    EXPECT_EQ(scene.cursor().shape(), Qt::BlankCursor);
    scene.OnCommand(kModeCamera);
    scene.OnMouseMove({});
    EXPECT_EQ(scene.cursor().shape(), Qt::ArrowCursor);
    if (PlainPicture("cursor158").isNull())
        GTEST_SKIP() << "no embedded cursor pictures";
    for (int tool : {kModeTouch, kModeFeed, kModeEnlarge, kModeShrink}) {
        scene.OnCommand(tool);
        QImage up;
        for (bool held : {false, true}) {
            held ? scene.OnLButtonDown({}) : scene.OnLButtonUp({});
            scene.OnMouseMove({});
            const QCursor cursor = scene.cursor();
            ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << tool;
            const QImage picture = cursor.pixmap().toImage();
            EXPECT_TRUE(picture.rect().contains(cursor.hotSpot()) &&
                        cursor.hotSpot() != QPoint(picture.width() / 2, picture.height() / 2))
                << "the picture's own hot spot, not its centre: " << tool;
            EXPECT_TRUE(held ? picture != up : (up = picture, true)) << tool;
        }
    }
}

// What a user does, through xdotool (XTEST).
void User(const std::string& what) {
    EXPECT_EQ(std::system(("xdotool " + what).c_str()), 0) << what;
}

// The screen once its `area` is as `ready` wants it, or as it is after 5 s.
QImage ScreenWhen(QRect area, const std::function<bool(const QImage&)>& ready) {
    QImage shot;
    for (int i = 0; i < 50 && (i == 0 || !ready(shot.copy(area))); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    }
    return shot;
}

// The gradient button's face at the area's first pixel: grey, red = green, blue close to them.
bool IsButtonFace(const QImage& area) {
    const QRgb c = area.pixel(0, 0);
    return qRed(c) == qGreen(c) && qAbs(qRed(c) - 193) <= 13 && qAbs(qBlue(c) - qRed(c)) < 10;
}

TEST(MouseToolsProgram, MenuAtTheClickExitEndsItToolBarAtThePointerByKeyAndMiddleButton) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    EnsureWidgetApplication();
    TempDir home;
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", home.file("storage")},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    ASSERT_TRUE(WaitForFile(home.file("storage/MerowSet.ini"), 30000)) << p.Output();
    const QRgb strip = qRgb(219, 216, 209), text = qRgb(249, 248, 247);
    auto is = [](QRgb want) { return [want](const QImage& s) { return s.pixel(0, 0) == want; }; };
    // Without a window manager the tank's window lies at the screen's top-left corner.
    const QPoint at(100, 60);
    const QRect tank(at.x() + 160, at.y(), 300, 200);
    User("mousemove --sync 100 60 click 3");
    const QImage menu = ScreenWhen(QRect(at, at), is(strip));
    auto moved = [&](const QImage& s) { return s != menu.copy(tank); };
    EXPECT_TRUE(moved(ScreenWhen(tank, moved).copy(tank))) << "the tank moves on under the menu";
    EXPECT_EQ(menu.pixel(at + QPoint(1, 48 + 40)), strip);
    EXPECT_EQ(menu.pixel(at + QPoint(25, 48 + 3)), text);
    EXPECT_EQ(menu.pixel(at + QPoint(139, 4 * 48 - 1)), text) << "four items of 140 x 48";
    EXPECT_NE(menu.pixel(at + QPoint(140, 4 * 48 - 1)), text);
    User("key Escape");
    ScreenWhen(QRect(at, at), [&](const QImage& s) { return s.pixel(0, 0) != strip; });
    const std::string window = WaitForWindow("--onlyvisible --pid " + std::to_string(p.Pid()));
    ASSERT_FALSE(window.empty()) << p.Output();
    const std::string focus = " windowfocus --sync " + window + " && xdotool key t";
    for (const QPoint bar : {QPoint(60, 300), QPoint(200, 150)}) {
        const bool byKey = bar.x() == 60;
        const QRect face = QRect(bar, bar).translated(8, 10);
        User("mousemove --sync " + std::to_string(bar.x()) + " " + std::to_string(bar.y()) +
             (byKey ? focus : " click 2"));
        const QImage shot = ScreenWhen(face, IsButtonFace);
        EXPECT_TRUE(IsButtonFace(shot.copy(face))) << "first button, by key " << byKey;
        EXPECT_TRUE(IsButtonFace(shot.copy(face.translated(336, 0)))) << "sixth button";
        User(byKey ? "key Escape" : "mousemove_relative 302 20 click 1");  // Esc, or Ripple
        ScreenWhen(face, [](const QImage& s) { return !IsButtonFace(s); });
    }
    User("mousemove --sync 100 60 click 3");
    ScreenWhen(QRect(at, at), is(strip));
    User("mousemove_relative 70 " + std::to_string(3 * 48 + 24));  // onto "  Exit"
    const QImage exit = ScreenWhen(QRect(at, at).translated(1, 184), is(qRgb(177, 185, 207)));
    EXPECT_EQ(exit.pixel(at + QPoint(0, 3 * 48)), qRgb(0, 0, 0)) << "chosen: framed and filled";
    User("click 1");
    EXPECT_EQ(p.Wait(2000), 0) << p.Output();
}

// Pellet-coloured pixels (the food is drawn unlit in one colour) in the area.
int PelletPixels(const QImage& area) {
    int n = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor c = area.pixelColor(x, y);
            n += qAbs(c.red() - 243) + qAbs(c.green() - 225) + qAbs(c.blue() - 159) < 40;
        }
    return n;
}

TEST(MouseToolsProgram, FeedToolDropsAPelletWhereTheUserClicks) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    EnsureWidgetApplication();
    TempDir home;
    std::string noFish = "[Fish Number]\r\n";  // nothing swims past the pellet
    for (int i = 0; i < kSpeciesCount; ++i)
        noFish += "Fish" + std::to_string(i) + "=0\r\n";
    std::filesystem::create_directories(home.file("storage"));
    WriteFileBytes(home.file("storage/MerowSet.ini"), noFish);
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", home.file("storage")},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    for (int i = 0; i < 300 && ReadFileBytes(home.file("storage/MerowSet.ini")).find("[Aquarium") ==
                                   std::string::npos;
         ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // started: settings written
    const QRect face(68, 310, 1,
                     1);  // the tool bar's first button, "Feed Fish", opened at (60, 300)
    User("mousemove --sync 60 300 click 2");
    ScreenWhen(face, IsButtonFace);
    User("mousemove --sync 80 320 click 1");
    ScreenWhen(face, [](const QImage& s) { return !IsButtonFace(s); });
    const QRect below(460, 80, 40, 80);  // the pellet falls 2 units below the click
    ASSERT_EQ(PelletPixels(ScreenWhen(below, [](const QImage&) { return true; }).copy(below)), 0);
    User("mousemove --sync 480 80 click 1");
    const QImage fed = ScreenWhen(below, [](const QImage& s) { return PelletPixels(s) > 0; });
    EXPECT_GT(PelletPixels(fed.copy(below)), 0) << "a pellet under the click";
}

// Pixels of the area that differ from its most common colour (the empty tank) and are not a
// pellet's: what fish draw when nothing else moves.
int FishPixels(const QImage& area) {
    std::map<QRgb, int> histogram;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++histogram[area.pixel(x, y)];
    const QColor empty(std::max_element(histogram.begin(), histogram.end(), [](auto& a, auto& b) {
                           return a.second < b.second;
                       })->first);
    int n = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor c = area.pixelColor(x, y);
            n += qAbs(c.red() - empty.red()) + qAbs(c.green() - empty.green()) +
                         qAbs(c.blue() - empty.blue()) >
                     40 &&
                 PelletPixels(area.copy(x, y, 1, 1)) == 0;
        }
    return n;
}

TEST(MouseToolsProgram, MenuOpensFishSettingsWhoseEditsReachTheFileAndTheTank) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    EnsureWidgetApplication();
    TempDir home;
    // A fish of every kind, in a tank without its picture and bubbles, so only fish move.
    std::string settings =
        "[Aquarium Settings]\r\nBACKGROUND=1\r\nQIPAONUM=1000\r\n[Fish Number]\r\n";
    for (int i = 0; i < kSpeciesCount; ++i)
        settings += "Fish" + std::to_string(i) + "=1\r\n";
    const std::string ini = home.file("storage/MerowSet.ini");
    std::filesystem::create_directories(home.file("storage"));
    WriteFileBytes(ini, settings);
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", home.file("storage")},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    for (int i = 0; i < 300 && ReadFileBytes(ini).find("Show Water") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // started: settings written
    auto counts = [&] {
        std::string all;
        for (int i = 0; i < kSpeciesCount; ++i)
            all += ReadProfileValue("Fish Number", "Fish" + std::to_string(i), ini).value_or("?");
        return all;
    };
    User("mousemove --sync 100 60 click 3");
    const QRgb strip = qRgb(219, 216, 209);  // the menu's left strip, once it is open
    ScreenWhen(QRect(100, 60, 1, 1), [&](const QImage& s) { return s.pixel(0, 0) == strip; });
    User("mousemove_relative 70 24 click 1");  // onto "  Add/Delete Fish"
    const std::string dialog = WaitForWindow("--onlyvisible --name 'Fish Settings - Merow Fish'");
    ASSERT_FALSE(dialog.empty()) << "the dialog opens";
    User("windowfocus --sync " + dialog + " && xdotool key c");
    const QRect tank(0, 0, 520, 480);  // left of the dialog, which opens mid-screen
    const auto wait = [&](const std::string& want) {
        for (int i = 0; i < 200 && counts() != want; ++i)  // twice a second; slow builds lag
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return counts();
    };
    ASSERT_EQ(wait(std::string(20, '0')), std::string(20, '0')) << p.Output();
    const auto emptyTank = [](const QImage& s) { return FishPixels(s) == 0; };
    EXPECT_EQ(FishPixels(ScreenWhen(tank, emptyTank).copy(tank)), 0) << "cleared: no fish";

    User("mousemove --window " + dialog + " 50 45 click 1 key a a a");
    EXPECT_EQ(wait("3" + std::string(19, '0')), "3" + std::string(19, '0'));
    const auto fish = [](const QImage& s) { return FishPixels(s) > 0; };
    EXPECT_GT(FishPixels(ScreenWhen(tank, fish).copy(tank)), 0) << "three fish swim";
    User("key Escape");
    p.Kill();
    p.Wait(2000);
}

}  // namespace
