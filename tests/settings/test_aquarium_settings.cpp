// The Aquarium Settings dialog driven as a user does, and once through the real program.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "controls/CColourSwatch.h"
#include "controls/CLedCheckBox.h"
#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "settings/CAquariumSettingsDlg.h"
#include "settings/StorageDirectory.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"
#include "support/WindowSearch.h"

namespace {

class AquariumSettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWidgetApplication();
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
        g_settings = AquariumSettings();
        g_nViewLeftRight = g_nViewNearFar = 0;
    }
    void TearDown() override {
        CaptureMessageBoxes(nullptr);
        SetStorageDirectoryOverride("");
        EXPECT_TRUE(m_messages.empty());
    }
    std::string Value(const char* key) {
        return ReadProfileValue("Aquarium Settings", key, m_path).value_or("<missing>");
    }
    void Press(CAquariumSettingsDlg& dialog, int id, Qt::Key key) {
        QTest::keyClick(dialog.Control(id), key);
    }
    int Check(CAquariumSettingsDlg& dialog, int id) {
        return qobject_cast<CLedCheckBox*>(dialog.Control(id))->GetCheck();
    }
    int Position(CAquariumSettingsDlg& dialog, int id) {
        return qobject_cast<QSlider*>(dialog.Control(id))->value();
    }
    // Clicks the swatch; the colour dialog that opens ends with OK on `colour`, or with Cancel.
    void ChooseColour(CAquariumSettingsDlg& dialog, int id, const QColor& colour, bool ok) {
        // Answers once the colour dialog is up, however long a loaded machine takes to show it.
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!chooser || !chooser->isVisible())
                return;
            answer.stop();
            chooser->setCurrentColor(colour);
            auto* buttons = chooser->findChild<QDialogButtonBox*>();
            buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        answer.start();
        QTest::mouseClick(dialog.Control(id), Qt::LeftButton);
        EXPECT_FALSE(answer.isActive()) << "the colour dialog opened and was answered";
    }

    TempDir m_dir;
    std::string m_path = m_dir.file("MerowSet.ini");
    std::vector<ShownMessage> m_messages;
};

TEST_F(AquariumSettingsDlgTest, TheLastModeKeySetWinsAndAutoWhenNone) {
    const char* cases[][4] = {// FRONT GUDING, MANJIANBIAN, AUTOJIANBIAN, the box checked
                              {"0", "0", "0", "1022"},
                              {"1", "0", "1", "1022"},
                              {"1", "1", "0", "1021"}};
    for (const auto& c : cases) {
        WriteFileBytes(m_path, std::string("[Aquarium Settings]\r\nFRONT GUDING=") + c[0] +
                                   "\r\nFRONT MANJIANBIAN=" + c[1] +
                                   "\r\nFRONT AUTOJIANBIAN=" + c[2] + "\r\n");
        CAquariumSettingsDlg dialog;
        for (int id : {1013, 1021, 1022})
            EXPECT_EQ(Check(dialog, id), id == std::atoi(c[3])) << id << " for " << c[3];
    }
}

TEST_F(AquariumSettingsDlgTest, BadValuesOpenAndSaveSoundValuesKeepingTheRestOfTheFile) {
    WriteFileBytes(m_path,
                   "; mine\r\n[Aquarium Settings]\r\nFOGNONGDU=99\r\nFRONTCOLOR=green\r\n"
                   "LOCKFORE ROT=abc\r\nLOCKBACK ROT= 12.5x\r\nYINLIANG=-7\r\nMy Key=keep me\r\n"
                   "[Fish Number]\r\nFish0=4\r\n");
    CAquariumSettingsDlg dialog;
    EXPECT_EQ(Position(dialog, 1011), 25);
    dialog.reject();
    const char* keys[] = {"FOGNONGDU",    "FRONTCOLOR", "LOCKFORE ROT",
                          "LOCKBACK ROT", "YINLIANG",   "My Key"};
    const char* want[] = {"25", "0", "0.000000", "12.500000", "0", "keep me"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Value(keys[i]), want[i]) << keys[i];
    EXPECT_EQ(g_settings.nFogLevel, 25);
    const std::string file = ReadFileBytes(m_path);
    EXPECT_EQ(file.rfind("; mine\r\n[Aquarium Settings]\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\n[Fish Number]\r\nFish0=4\r\n"), std::string::npos);
}

TEST_F(AquariumSettingsDlgTest, SliderMovesReachTheTankAtOnceAndTheFileWithinATick) {
    WriteFileBytes(m_path, "[Aquarium Settings]\r\nFRONT GUDING=0\r\nFRONT AUTOJIANBIAN=1\r\n");
    LoadSettings();
    const std::string fish = ReadFileBytes(m_path).substr(ReadFileBytes(m_path).find("[Fish"));
    CAquariumSettingsDlg dialog;
    dialog.show();
    Press(dialog, 1011, Qt::Key_Home);  // the top of Fog: the thickest fog
    Press(dialog, 1010, Qt::Key_Up);    // one step up Sound: one step louder
    EXPECT_EQ(g_settings.nFogLevel, 0);
    EXPECT_EQ(g_settings.nVolume, 32766);
    ChooseColour(dialog, 1015, QColor(10, 20, 30), true);
    ChooseColour(dialog, 1015, QColor(90, 90, 90), false);  // Cancel keeps the colour
    EXPECT_EQ(qobject_cast<CColourSwatch*>(dialog.Control(1015))->GetColour(), Rgb(10, 20, 30));
    EXPECT_TRUE(Check(dialog, 1013) && !Check(dialog, 1022)) << "a chosen colour fixes the light";
    QTest::qWait(250);
    const std::string colour = std::to_string(10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(ReadFileBytes(m_path),
              "[Aquarium Settings]\r\nFRONT GUDING=1\r\nFRONT AUTOJIANBIAN=0\r\nShow Water=0\r\n"
              "Show Light=0\r\nShow Terra=1\r\nFRONTCOLOR=" +
                  colour +
                  "\r\nFRONT MANJIANBIAN=0\r\nFRONT COLOR1=16777215\r\nFRONT COLOR2=16777215\r\n"
                  "CHECK LOCKFORE=0\r\nLOCKFORE ROT=0.000000\r\nBACK GUDING=1\r\nBACKCOLOR=0\r\n"
                  "BACK MANJIANBIAN=0\r\nBACK COLOR1=65280\r\nBACK COLOR2=0\r\n"
                  "BACK AUTOJIANBIAN=0\r\nCHECK LOCKBACK=0\r\nLOCKBACK ROT=0.000000\r\n"
                  "YINLIANG=32766\r\nQIPAONUM=100\r\nBACKGROUND=0\r\nFOGNONGDU=0\r\n"
                  "LIGHTQIANGDU=0\r\nCHECK VIEWS=1\r\nVIEWSLEFTRIGHT=0\r\nVIEWSNEARFAR=0\r\n" +
                  fish);
}

TEST_F(AquariumSettingsDlgTest, WithAutoViewsTheViewSlidersGoBackToTheLastPlaceSetByHand) {
    WriteFileBytes(m_path, "[Aquarium Settings]\r\nCHECK VIEWS=0\r\n");
    CAquariumSettingsDlg dialog;
    dialog.show();
    QTest::qWait(150);
    Press(dialog, 1041, Qt::Key_End);
    EXPECT_EQ(g_nViewLeftRight, 7000);
    QTest::mouseClick(dialog.Control(1040), Qt::LeftButton, {}, QPoint(6, 6));
    QTest::qWait(150);
    Press(dialog, 1041, Qt::Key_Home);
    Press(dialog, 1042, Qt::Key_End);
    EXPECT_EQ(g_nViewLeftRight, 7000);
    QTest::qWait(150);
    EXPECT_TRUE(Position(dialog, 1041) == 7000 && Position(dialog, 1042) == 0);
    EXPECT_EQ(Value("CHECK VIEWS"), "1");
}

TEST_F(AquariumSettingsDlgTest, EscapeOrEnterRightAfterAChangeKeepsIt) {
    for (Qt::Key end : {Qt::Key_Escape, Qt::Key_Return}) {
        CAquariumSettingsDlg dialog;
        dialog.show();
        Press(dialog, 1030, end == Qt::Key_Escape ? Qt::Key_End : Qt::Key_Home);
        Press(dialog, 1030, end);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), end == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(Value("LIGHTQIANGDU"), end == Qt::Key_Escape ? "100" : "0");
    }
}

// What a user does, through xdotool (XTEST); its output.
std::string User(const std::string& what) {
    std::string out;
    if (FILE* pipe = popen(("timeout 20 xdotool " + what).c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        EXPECT_EQ(pclose(pipe), 0) << what;
    }
    return out;
}

double Brightness(const QImage& area) {
    double sum = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            sum += qGray(area.pixel(x, y));
    return sum / (area.width() * area.height());
}

int PixelsOf(const QImage& area, QRgb colour) {
    int n = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            n += area.pixel(x, y) == colour;
    return n;
}

// True once `done` holds, asked every 100 ms for up to 10 s.
bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 100; ++i) {
        if (done())
            return true;
        QTest::qWait(100);
    }
    return false;
}

TEST(AquariumSettingsProgram, ToolBarOpensTheDialogWhoseFogSliderFogsTheTank) {
    if (!std::getenv("DISPLAY") || !std::getenv("MEROW_TEST_BINARY_DIR"))
        GTEST_SKIP() << "needs a display (xvfb-run) and the program (ctest)";
    EnsureWidgetApplication();
    TempDir home;
    const std::string ini = home.file("storage/MerowSet.ini");
    ChildProcess p = ChildProcess::Start(
        std::string(std::getenv("MEROW_TEST_BINARY_DIR")) + "/merowfish",
        {"--window", "640x480", "--storage-dir", home.file("storage")},
        {"HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path(), "ASAN_OPTIONS=detect_leaks=0"});
    ASSERT_TRUE(WaitForFile(ini, 30000)) << p.Output();
    // The tank beside the dialog, which opens centred on the tool bar at (60, 300).
    const QRect tank(470, 20, 160, 440);
    auto shot = [](const QRect& area) {
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(area);
    };
    ASSERT_TRUE(Eventually([&] {
        const QImage before = shot(tank);
        QTest::qWait(100);
        return shot(tank) != before;
    })) << "the tank moves";
    const std::string tankWindow =
        WaitForWindow("--onlyvisible --pid " + std::to_string(p.Pid()), 20000);
    ASSERT_FALSE(tankWindow.empty()) << p.Output();
    User("mousemove --sync 60 300 windowfocus --sync " + tankWindow + " && xdotool key t");
    QTest::qWait(500);
    User("mousemove --sync 430 320 click 1");  // the sixth button, "Aquarium Settings"
    const std::string dialog =
        WaitForWindow("--onlyvisible --name '^Aquarium Settings - Merow Fish Screensaver 1.1$'");
    ASSERT_FALSE(dialog.empty()) << "the dialog opens";
    const std::string found = User("getwindowgeometry --shell " + dialog);
    int window = 0, x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(std::sscanf(found.c_str(), "WINDOW=%d X=%d Y=%d WIDTH=%d HEIGHT=%d", &window, &x, &y,
                          &w, &h),
              5)
        << found;
    // The four sliders across the left half: red thumbs; green outlines, frames and end marks.
    const QRect sliders(x, y, w / 2, h * 5 / 8);
    EXPECT_TRUE(Eventually([&] {
        const QImage area = shot(sliders);
        return PixelsOf(area, qRgb(255, 0, 0)) > 4 * 50 &&
               PixelsOf(area, qRgb(0, 255, 0)) > 4 * 100;
    }));
    const double clear = Brightness(shot(tank));
    User("windowfocus --sync " + std::to_string(window) +
         " && xdotool key Tab Tab Home");  // Fog to the top
    EXPECT_TRUE(Eventually([&] {
        return ReadProfileValue("Aquarium Settings", "FOGNONGDU", ini).value_or("") == "0";
    }));
    EXPECT_TRUE(Eventually([&] { return Brightness(shot(tank)) > clear + 40; }))
        << "white fog over the tank";
}

}  // namespace
