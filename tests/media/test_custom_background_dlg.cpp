// The Custom Background dialog as a user works it: the play modes' order, the interval, row
// clicks, adding through the file dialog, the maximum, removing, and the saved section.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <chrono>
#include <set>

#include "PictureFiles.h"
#include "controls/CLedCheckBox.h"
#include "controls/CReportList.h"
#include "media/CCustomBackgroundDlg.h"
#include "platform/MessageBox.h"
#include "settings/StorageDirectory.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"

namespace {

class CustomBackground : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWidgetApplication();
        m_gl = std::make_unique<GlTestContext>();
        if (!m_gl->available())
            GTEST_SKIP() << "no GL context (Xvfb?)";
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
    }
    void TearDown() override {
        CaptureMessageBoxes(nullptr);
        SetStorageDirectoryOverride("");
    }
    std::string Picture(const std::string& name) {
        TwoColours(32, 32).save(QString::fromStdString(m_dir.file(name)));
        return m_dir.file(name);
    }
    void Settings(const std::string& keys) {
        WriteFileBytes(m_dir.file("MerowSet.ini"), "[Custom Images]\r\n" + keys);
    }
    void Open() {
        m_dlg = std::make_unique<CCustomBackgroundDlg>([this] { m_gl->makeCurrent(); },
                                                       QSize(640, 480));
        m_dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    template <class Control>
    Control* Find(const char* name) {
        return m_dlg->findChild<Control*>(QString::fromLatin1(name));
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    CReportList* List() { return Find<CReportList>("list"); }
    void ClickRow(int row) {
        const QRect cell = List()->visualItemRect(List()->item(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // The picture shown after the next change (the same one when none comes within 3 s).
    GLuint NextPicture() {
        const GLuint before = m_dlg->m_nCurrentTexture;
        (void)QTest::qWaitFor([&] { return m_dlg->m_nCurrentTexture != before; }, 3000);
        return m_dlg->m_nCurrentTexture;
    }
    std::string States() {
        std::string states;
        for (int row = 0; row < List()->rowCount(); ++row)
            states += List()->Text(row, 1).toStdString() + " ";
        return states;
    }

    TempDir m_dir;
    std::unique_ptr<GlTestContext> m_gl;
    std::vector<ShownMessage> m_messages;
    std::unique_ptr<CCustomBackgroundDlg> m_dlg;
};

TEST_F(CustomBackground, ModesShowThePicturesInTheirOrderAtTheIntervalAndRowClicksShowThatRow) {
    Settings(
        "OwnImage=1\r\nCycImage=1\r\nImageTime=0\r\nImageSum=3\r\nImageList0=" + Picture("a.png") +
        "\r\nImageList1=" + Picture("b.png") + "\r\nImageList2=" + Picture("c.png") + "\r\n");
    Open();
    ASSERT_EQ(m_dlg->ImageCount(), 3);
    for (int row : {1, 2, 0, 1})  // Repeat All: the second first, then in turn
        EXPECT_EQ(NextPicture(), m_dlg->TextureAt(row)) << row;
    EXPECT_EQ(States(), "OFF ON OFF ");
    EXPECT_TRUE(g_bUseOwnBackground);

    Click("repeatOne");
    EXPECT_EQ(Find<CLedCheckBox>("repeatAll")->GetCheck(), 0) << "one mode at a time";
    ClickRow(2);
    EXPECT_EQ(m_dlg->m_nCurrentTexture, m_dlg->TextureAt(2)) << "at once";
    EXPECT_EQ(States(), "OFF OFF ON ");
    QTest::qWait(500);
    EXPECT_EQ(m_dlg->m_nCurrentTexture, m_dlg->TextureAt(2)) << "Repeat One keeps it";

    Click("random");
    std::set<GLuint> shown;
    for (int tick = 0; tick < 8; ++tick, QTest::qWait(200))
        shown.insert(m_dlg->m_nCurrentTexture);
    EXPECT_GT(shown.size(), 1u);

    Click("repeatAll");
    QLineEdit* interval = Find<QLineEdit>("interval");
    interval->selectAll();
    QTest::keyClicks(interval, "1s");
    EXPECT_EQ(interval->text(), "1") << "digits only";
    NextPicture();
    for (int change = 0; change < 2; ++change) {
        const auto start = std::chrono::steady_clock::now();
        NextPicture();
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    }

    Click("useOwnImage");
    EXPECT_EQ(States(), "OFF OFF OFF ");
    EXPECT_EQ(NextPicture(), 0u) << "not cycling: no picture";
    ClickRow(1);
    EXPECT_EQ(m_dlg->m_nCurrentTexture, 0u);
    EXPECT_FALSE(g_bUseOwnBackground);
}

TEST_F(CustomBackground, AddImageFindsCameraNamesTenAtMostRemovingTheLastLeavesNoPicture) {
    Open();
    Click("useOwnImage");
    const std::string camera = Picture("IMG_0001.JPG"), text = m_dir.file("notes.png");
    Picture("Shot.Jpeg");
    WriteFileBytes(text, "not a picture");
    WriteFileBytes(m_dir.file("readme.txt"), "not listed");
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(files);
        files->setDirectory(QString::fromStdString(m_dir.path()));
        auto* view = files->findChild<QListView*>("listView");
        (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 3; });
        QTest::qWait(100);
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(name, "IMG_0001.JPG");
        QTest::keyClick(name, Qt::Key_Return);
        if (files->isVisible())
            files->close();
    });
    Click("addImage");
    EXPECT_EQ(listed.join(' '), "IMG_0001.JPG notes.png Shot.Jpeg");
    ASSERT_EQ(m_dlg->ImageCount(), 1);
    EXPECT_EQ(NextPicture(), m_dlg->TextureAt(0)) << "the first picture starts the show";

    m_dlg->AddPicture(text);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "(" + text + ")image loading error.");
    EXPECT_FALSE(m_dlg->IsCycling());
    for (int i = 0; i < 10; ++i)
        m_dlg->AddPicture(camera);
    EXPECT_EQ(m_dlg->ImageCount(), 10);
    EXPECT_EQ(m_messages.back().text, "The maximum number of background is: 10");

    Click("removeAll");
    m_dlg->AddPicture(camera);
    const GLuint last = m_dlg->TextureAt(0);
    ClickRow(0);
    Click("removeImage");
    EXPECT_TRUE(m_dlg->ImageCount() == 0 && m_dlg->m_nCurrentTexture == 0);
    EXPECT_FALSE(glIsTexture(last)) << "given back";
}

TEST_F(CustomBackground, GoneFilesAreDroppedEscapeSavesInOrderLongUtf8PathsComeBack) {
    const std::string folder = "Fotos – Überfahrt 日本/" + std::string(200, 'x') + "/";
    std::filesystem::create_directories(m_dir.file(folder));
    const std::string far = Picture(folder + "海.png");
    Settings("OwnImage=1\r\nImageTime=\r\nImageSum=2\r\nImageList0=" + m_dir.file("gone.png") +
             "\r\nImageList1=" + far + "\r\n");
    Open();
    ASSERT_EQ(m_messages.size(), 1u) << "the gone file, once";
    EXPECT_EQ(List()->rowCount(), 1);
    EXPECT_TRUE(m_dlg->IsCycling());
    QTest::keyClick(m_dlg.get(), Qt::Key_Return);
    EXPECT_TRUE(m_dlg->isVisible()) << "Enter does nothing";
    std::filesystem::remove(m_dir.file("MerowSet.ini"));
    QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(ReadFileBytes(m_dir.file("MerowSet.ini")),
              "[Custom Images]\r\nRandomImage=0\r\nCycImage=0\r\nRepeatImage=1\r\n"
              "OwnImage=1\r\nImageTime=5\r\nImageSum=1\r\nImageList0=" +
                  far + "\r\n");
    Open();
    EXPECT_EQ(List()->Text(0, 0).toStdString(), far);
    EXPECT_EQ(m_messages.size(), 1u);
}

}  // namespace
