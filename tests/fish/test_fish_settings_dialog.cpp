// The Fish Settings dialog as a person uses it: real widgets, real clicks and keys, a real file.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <string>
#include <vector>

#include "controls/CLinkLabel.h"
#include "fish/CFishSettingsDlg.h"
#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "scene/PlainPictures.h"
#include "settings/StorageDirectory.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"

namespace {

class FishSettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWidgetApplication();
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
        g_settings = AquariumSettings();
    }
    void TearDown() override {
        CaptureMessageBoxes(nullptr);
        SetStorageDirectoryOverride("");
    }
    // A settings file with these counts for the first species, the rest 0.
    void WriteCounts(const std::vector<int>& counts) {
        std::string text = "[Fish Number]\r\n";
        for (int i = 0; i < kSpeciesCount; ++i)
            text += "Fish" + std::to_string(i) + "=" +
                    std::to_string(i < static_cast<int>(counts.size()) ? counts[i] : 0) + "\r\n";
        WriteFileBytes(m_dir.file("MerowSet.ini"), text);
    }
    std::string Saved(int species) {
        return ReadProfileValue("Fish Number", "Fish" + std::to_string(species),
                                m_dir.file("MerowSet.ini"))
            .value_or("<missing>");
    }
    static QPoint CellCentre(int species) {
        return QPoint(species % 5 * 100 + 50, species / 5 * 90 + 45);
    }
    static QPushButton* Button(CFishSettingsDlg& dialog, const char* text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QLatin1String(text))
                return button;
        return nullptr;
    }
    static QString TotalText(CFishSettingsDlg& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text().startsWith(QLatin1String("Total")))
                return label->text();
        return {};
    }

    TempDir m_dir;
    std::vector<ShownMessage> m_messages;
};

TEST_F(FishSettingsDialog, ClicksSelectCellsAndTheKeysButtonsAndDoubleClicksEditTheSelectedCount) {
    WriteCounts({1, 2});
    CFishSettingsDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.Total(), 3);
    EXPECT_EQ(TotalText(dialog), QStringLiteral("Total: 3   (Max:50)"));

    dialog.AddFish();
    EXPECT_EQ(dialog.Total(), 3) << "nothing is selected yet";
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(7));
    EXPECT_EQ(dialog.Selected(), 7);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(7));
    EXPECT_EQ(dialog.Selected(), 7) << "a second click keeps the selection";
    const QImage sheet = PlainPicture("bitmap129").convertToFormat(QImage::Format_RGB32);
    if (!sheet.isNull()) {
        const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint centre = CellCentre(7), corner = dialog.Cell(7).topLeft() + QPoint(2, 2);
        EXPECT_EQ(shown.pixel(centre), ~sheet.pixel(centre) | 0xff000000) << "selection inverts";
        EXPECT_EQ(shown.pixel(CellCentre(8)), sheet.pixel(CellCentre(8)));
        EXPECT_NE(shown.copy(QRect(corner, QSize(8, 12))), sheet.copy(QRect(corner, QSize(8, 12))))
            << "the count is printed in the corner";
    }

    // Keys reach the dialog before the focused button, whose own key would be Space.
    QPushButton* add = Button(dialog, "Add");
    ASSERT_NE(add, nullptr);
    add->setFocus();
    QTest::keyClick(add, Qt::Key_A);
    QTest::keyClick(add, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(dialog.Count(7), 2);
    QTest::keyClick(add, Qt::Key_D);
    EXPECT_EQ(dialog.Count(7), 1);
    QTest::mouseClick(Button(dialog, "Delete"), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "Delete"), Qt::LeftButton);
    EXPECT_EQ(dialog.Count(7), 0) << "Delete stops at 0";
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, CellCentre(1));
    EXPECT_EQ(dialog.Selected(), 1);
    EXPECT_EQ(dialog.Count(1), 3) << "a left double click adds";
    QTest::mouseDClick(dialog.windowHandle(), Qt::RightButton, {}, CellCentre(1));
    EXPECT_EQ(dialog.Count(1), 2) << "a right double click deletes";
    EXPECT_EQ(dialog.Total(), 3);

    // The band under the pictures, the sea floor and the space right of the sheet select nothing.
    for (QPoint nowhere : {QPoint(50, 400), QPoint(250, 460), QPoint(520, 40)}) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(3));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, nowhere);
        QTest::keyClick(&dialog, Qt::Key_A);
        EXPECT_EQ(dialog.Total(), 3) << nowhere.x() << "," << nowhere.y();
    }

    QTest::keyClick(add, Qt::Key_C);
    EXPECT_EQ(dialog.Total(), 0);
    EXPECT_EQ(TotalText(dialog), QStringLiteral("Total: 0   (Max:50)"));
    for (int run = 0; run < 200; ++run) {
        QTest::keyClick(add, Qt::Key_R);
        EXPECT_LT(dialog.Total(), 50);
        EXPECT_EQ(dialog.Selected(), -1);
        for (int i = 0; i < kSpeciesCount; ++i)
            ASSERT_TRUE(dialog.Count(i) >= 0 && dialog.Count(i) <= 3);
    }
}

// On a screen too small for it (here a desktop scaled three times, so the test runs again in a
// process of its own) the dialog shrinks to fit, the whole sheet shows at the shrunk size, and
// clicks on it find the cells they land on.
TEST_F(FishSettingsDialog, OnAScreenTooSmallTheWholeSheetShowsShrunkUnderItsClicks) {
    if (!std::getenv("MEROW_SCALED_RUN")) {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display (run under xvfb-run)";
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ChildProcess scaled = ChildProcess::Start(
            "/proc/self/exe",
            {std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()},
            {"MEROW_SCALED_RUN=1", "QT_SCALE_FACTOR=3"});
        EXPECT_EQ(scaled.Wait(60000), 0) << scaled.Output();
        return;
    }
    CFishSettingsDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const double s = dialog.SheetScale();
    ASSERT_LT(s, 1.0) << "the dialog shrank";
    EXPECT_TRUE(dialog.screen()->availableGeometry().contains(QRect(QPoint(), dialog.size())));

    const QImage sheet = PlainPicture("bitmap129").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(sheet.isNull());
    const QPixmap grabbed = dialog.grab();
    const QSize shownSize = (QSizeF(sheet.size()) * s * grabbed.devicePixelRatio()).toSize();
    // Compared small, where the counts in the corners hardly count.
    const QSize small(50, 51);
    const QImage shown = grabbed.toImage().copy(QRect(QPoint(), shownSize)).scaled(small);
    const QImage expected = sheet.scaled(small).convertToFormat(shown.format());
    double difference = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(difference / (3.0 * small.width() * small.height()), 12.0);

    for (int species : {0, 19}) {
        QTest::mouseClick(&dialog, Qt::LeftButton, {},
                          (QPointF(CellCentre(species)) * s).toPoint());
        EXPECT_EQ(dialog.Selected(), species);
    }
}

TEST_F(FishSettingsDialog,
       FiftyFishRefuseAddAndCountsOutsideTheLimitsLoadAsTheyAreAndApplyLimited) {
    WriteCounts({60, -5, 3});
    CFishSettingsDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.Count(0), 60);
    EXPECT_EQ(dialog.Count(1), -5);
    EXPECT_EQ(dialog.Total(), 58);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(2));
    QTest::keyClick(&dialog, Qt::Key_A);
    EXPECT_EQ(dialog.Count(2), 3) << "no Add until the total is under 50";
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(&dialog, Qt::Key_D);
    EXPECT_EQ(dialog.Count(2), 0);
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(0));
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(&dialog, Qt::Key_D);
    EXPECT_EQ(dialog.Total(), 49);
    QTest::keyClick(&dialog, Qt::Key_A);
    EXPECT_EQ(dialog.Count(0), 54) << "a species above 50 does not grow";
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(3));
    QTest::keyClick(&dialog, Qt::Key_A);
    QTest::keyClick(&dialog, Qt::Key_A);
    EXPECT_EQ(dialog.Total(), 50) << "one more fits, then none";

    ASSERT_TRUE(QTest::qWaitFor([&] { return Saved(0) == "54"; }, 1000)) << "saved within 500 ms";
    EXPECT_EQ(Saved(1), "-5") << "the file keeps what the dialog shows";
    EXPECT_EQ(g_settings.nFishCount[0], 50) << "the tank takes at most 50 of a kind";
    EXPECT_EQ(g_settings.nFishCount[1], 0);
}

TEST_F(FishSettingsDialog, EditsReachFileAndTankTwiceASecondTheCloseBoxSavesEscapeDoesNot) {
    WriteCounts({});
    for (bool closeBox : {true, false}) {
        CFishSettingsDlg dialog;
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(4));
        QTest::keyClick(&dialog, Qt::Key_A);
        ASSERT_TRUE(QTest::qWaitFor([&] { return g_settings.nFishCount[4] == 1; }, 1000));
        EXPECT_EQ(Saved(4), "1");
        // The last edit, closed before the next save.
        QTest::keyClick(&dialog, Qt::Key_C);
        if (closeBox)
            dialog.close();
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), closeBox ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(Saved(4), closeBox ? "0" : "1") << closeBox;
        EXPECT_EQ(g_settings.nFishCount[4], closeBox ? 0 : 1) << closeBox;
    }
}

TEST_F(FishSettingsDialog, AFileThatCannotBeWrittenStillStocksTheTankAndSaysSoOnce) {
    WriteFileBytes(m_dir.file("not-a-folder"), "");
    SetStorageDirectoryOverride(m_dir.file("not-a-folder/"));
    CFishSettingsDlg dialog;
    dialog.show();
    QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(0));
    QTest::keyClick(&dialog, Qt::Key_A);
    ASSERT_TRUE(QTest::qWaitFor([&] { return g_settings.nFishCount[0] == 1; }, 1000));
    QTest::keyClick(&dialog, Qt::Key_A);
    ASSERT_TRUE(QTest::qWaitFor([&] { return g_settings.nFishCount[0] == 2; }, 1000));
    dialog.close();
    EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(FishSettingsDialog, TheLinkOpensTheProgramsOwnHelpPageWithoutANetwork) {
    CFishSettingsDlg dialog;
    const QList<CLinkLabel*> links = dialog.findChildren<CLinkLabel*>();
    ASSERT_EQ(links.size(), 1);
    const QUrl url(links[0]->GetUrl());
    ASSERT_TRUE(url.isLocalFile()) << url.toString().toStdString();
    const std::string page = ReadFileBytes(url.toLocalFile().toStdString());
    EXPECT_NE(page.find("Mouse and keys"), std::string::npos) << url.toString().toStdString();
}

}  // namespace
