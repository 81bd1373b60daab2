// The Custom Music dialog driven as a person drives it, and the built-in tune, playing real files
// through the sound server that tools/run-tests.sh starts (a null sink).
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMediaDevices>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <set>

#include "controls/CLedCheckBox.h"
#include "controls/CReportList.h"
#include "media/BuiltInMusic.h"
#include "media/CCustomMusicDlg.h"
#include "media/MusicFlags.h"
#include "media/SoundThreads.h"
#include "platform/MessageBox.h"
#include "scene/Assets.h"
#include "settings/AquariumSettings.h"
#include "settings/StorageDirectory.h"
#include "support/TempDir.h"
#include "support/WidgetApplication.h"

namespace {

using Dlg = CCustomMusicDlg;

// The sound threads end before the process does, as the program's own exit ends them.
struct EndSoundThreads : ::testing::Environment {
    void TearDown() override { StopSoundThreads(); }
};
const auto* const g_endSoundThreads = ::testing::AddGlobalTestEnvironment(new EndSoundThreads);

class MusicDialog : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWidgetApplication();
        SetStorageDirectoryOverride(m_dir.path());
        CaptureMessageBoxes(&m_messages);
        g_bOwnMusicOn = g_bBuiltInMusicPending = true;
    }
    void TearDown() override { CaptureMessageBoxes(nullptr); }

    // A sine tone made now with sox (and lame for ".mp3"); "" without them.
    std::string Tone(const std::string& name, double seconds, int hz = 440) {
        const QString wav = QString::fromStdString(m_dir.file(name + ".wav"));
        if (QProcess::execute("sox", {"-q", "-n", "-r", "22050", "-c", "1", wav, "synth",
                                      QString::number(seconds), "sine", QString::number(hz)}))
            return "";
        if (!QString::fromStdString(name).endsWith(".mp3"))
            return wav.toStdString();
        const std::string mp3 = m_dir.file(name);
        return QProcess::execute("lame", {"--silent", wav, QString::fromStdString(mp3)}) ? "" : mp3;
    }
    // The dialog over this "Custom Settings" section.
    std::unique_ptr<Dlg> Open(const std::string& section) {
        WriteFileBytes(m_dir.file("MerowSet.ini"), "[Custom Settings]\n" + section);
        return std::make_unique<Dlg>();
    }
    static std::string Rows(const std::vector<std::string>& paths) {
        std::string text = "MusicSum=" + std::to_string(paths.size()) + "\n";
        for (size_t i = 0; i < paths.size(); ++i)
            text += "MusicList" + std::to_string(i) + "=" + paths[i] + "\n";
        return text;
    }
    std::string Saved() const {
        std::string text = ReadFileBytes(m_dir.file("MerowSet.ini"));
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    }

    static void Click(Dlg& d, int id) { QTest::mouseClick(d.Control(id), Qt::LeftButton); }
    static CReportList& List(Dlg& d) { return *static_cast<CReportList*>(d.Control(Dlg::kIdList)); }
    static void ClickRow(Dlg& d, int row) {
        CReportList& list = List(d);
        const QRect cell = list.visualRect(list.model()->index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    }
    static bool Enabled(Dlg& d, int id) { return d.Control(id)->isEnabled(); }
    static bool Checked(Dlg& d, int id) {
        return static_cast<CLedCheckBox*>(d.Control(id))->GetCheck() == 1;
    }

    TempDir m_dir;
    std::vector<ShownMessage> m_messages;
};

#define REQUIRE(made) \
    if (!(made))      \
    GTEST_SKIP() << "needs sox and lame to make music files"

TEST_F(MusicDialog, TemplateLookEnterDoesNothingEscapeAndCloseBoxHideAndSave) {
    auto d = Open("");
    EXPECT_EQ(d->windowTitle(), "Custom Music - Merow Fish Screensaver 1.1");
    EXPECT_FALSE(d->isModal());
    EXPECT_TRUE(!Checked(*d, Dlg::kIdOnOff) && Checked(*d, Dlg::kIdRepeatOne) &&
                !Checked(*d, Dlg::kIdRepeatAll) && !Checked(*d, Dlg::kIdRandom));
    EXPECT_EQ(static_cast<QSlider*>(d->Control(Dlg::kIdVolume))->value(), 1000);
    EXPECT_EQ(List(*d).columnWidth(0), 500);
    EXPECT_EQ(List(*d).palette().color(QPalette::Base), QColor(207, 184, 130));
    d->show();
    QTest::keyClick(d.get(), Qt::Key_Return);
    EXPECT_TRUE(d->isVisible()) << "Enter does nothing";
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_NE(Saved().find("RandomMusic=0\nCycMusic=0\nRepeatMusic=1\nOwnMusic=0\nMusicSum=0"),
              std::string::npos)
        << Saved();
    d->show();
    Click(*d, Dlg::kIdRandom);
    EXPECT_TRUE(Checked(*d, Dlg::kIdRandom) && !Checked(*d, Dlg::kIdRepeatOne));
    d->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_NE(Saved().find("RandomMusic=1\nCycMusic=0\nRepeatMusic=0"), std::string::npos)
        << Saved();
}

TEST_F(MusicDialog, SavedListLoadsWholeStartsWhenOwnMusicIsSetAndRemoveNeedsASelection) {
    const std::string a = Tone("a", 3.0), b = Tone(std::string(150, 'b') + " c", 3.0);
    REQUIRE(!b.empty());
    auto d = Open("CycMusic=1\nRepeatMusic=1\nOwnMusic=1\n" + Rows({a, b}) + "MusicList7=kept\n");
    EXPECT_TRUE(Checked(*d, Dlg::kIdRepeatAll) && !Checked(*d, Dlg::kIdRepeatOne));
    ASSERT_EQ(List(*d).rowCount(), 2);
    EXPECT_EQ(List(*d).Text(1, 0).toStdString(), b) << "a long path is read whole";
    EXPECT_EQ(d->m_nPlayState, Dlg::kPlaying) << "own music was on: it plays at once";
    EXPECT_TRUE(d->m_nCurrentTrack == 0 && g_nHighlightedTrack == 0);
    EXPECT_FALSE(Enabled(*d, Dlg::kIdAddMusic) || Enabled(*d, Dlg::kIdRemove) ||
                 Enabled(*d, Dlg::kIdRemoveAll) || Enabled(*d, Dlg::kIdPlay));
    Click(*d, Dlg::kIdStop);
    EXPECT_TRUE(d->m_nPlayState == Dlg::kStopped && g_nHighlightedTrack == -1);
    EXPECT_TRUE(Enabled(*d, Dlg::kIdRemove) && Enabled(*d, Dlg::kIdPlay));
    Click(*d, Dlg::kIdRemove);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Please select an item from the music list!");
    EXPECT_EQ(List(*d).rowCount(), 2);
    ClickRow(*d, 0);
    Click(*d, Dlg::kIdRemove);
    ASSERT_EQ(List(*d).rowCount(), 1);
    EXPECT_EQ(List(*d).Text(0, 0).toStdString(), b);
    d->reject();
    EXPECT_NE(
        Saved().find("MusicSum=1\nMusicList0=" + b + "\nMusicList1=" + b + "\nMusicList7=kept\n"),
        std::string::npos)
        << "keys past the count stay: " << Saved();
    auto huge = Open("MusicSum=2000000000\n");
    EXPECT_LE(List(*huge).rowCount(), 1000) << "a hand-edited count does not hang the start";
}

// The tank's tick: the music step every 20 ms, noting the longest time between two ticks.
struct Tick {
    Tick() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            worstMs = qMax(worstMs, clock.restart());
            RunMusicStep();
        });
        clock.start();
        timer.start(20);
    }
    ~Tick() { std::printf("worst tick gap %lld ms\n", worstMs); }
    QTimer timer;
    QElapsedTimer clock;
    qint64 worstMs = 0;
};

// The rows the dialog loads from now on, in turn, until `count` or 10 s, and whether a track got
// past 300 ms on the way.
std::vector<int> Loads(Dlg& d, size_t count, bool* played) {
    std::vector<int> rows;
    const auto loaded = QObject::connect(&d.m_Player, &CMciPlayer::Understood, &d,
                                         [&] { rows.push_back(d.m_nCurrentTrack); });
    QElapsedTimer clock;
    clock.start();
    while (rows.size() < count && clock.elapsed() < 10000) {
        QTest::qWait(20);
        *played = *played || d.m_nPosition > 300;
    }
    QObject::disconnect(loaded);
    return rows;
}

TEST_F(MusicDialog, RepeatAllPlaysTheRowsInTurnAndRepeatOneRestartsTheTrack) {
    const std::string tones[] = {Tone("a", 0.5, 330), Tone("b.mp3", 0.5, 440), Tone("c", 0.5, 550)};
    REQUIRE(!tones[1].empty() && !tones[2].empty());
    auto d = Open("");
    for (const std::string& tone : tones) {  // through the open-file dialog
        QTimer chooser;
        QObject::connect(&chooser, &QTimer::timeout, [&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (auto* name = files ? files->findChild<QLineEdit*>("fileNameEdit") : nullptr) {
                name->setText(QString::fromStdString(tone));  // typed in, then Enter
                QTest::keyClick(name, Qt::Key_Return);
            }
        });
        chooser.start(50);
        Click(*d, Dlg::kIdAddMusic);
    }
    ASSERT_EQ(List(*d).rowCount(), 3);
    Click(*d, Dlg::kIdRepeatAll);
    Click(*d, Dlg::kIdPlay);
    bool played = false;
    EXPECT_EQ(Loads(*d, 4, &played), (std::vector<int>{0, 1, 2, 0}));
    EXPECT_TRUE(played);
    Click(*d, Dlg::kIdStop);
    Click(*d, Dlg::kIdRepeatOne);
    ClickRow(*d, 1);
    Click(*d, Dlg::kIdPlay);
    EXPECT_EQ(Loads(*d, 2, &played), (std::vector<int>{1, 1})) << "played to its end, and again";
}

TEST_F(MusicDialog, PlayWithNoSelectionTakesRowZeroOrADrawnOneAClickedRowWaitsForPlay) {
    const std::string a = Tone("a", 3), b = Tone("b", 3), c = Tone("c", 3);
    REQUIRE(!c.empty());
    auto d = Open(Rows({a, b, c}));
    Tick tick;
    Click(*d, Dlg::kIdPlay);
    EXPECT_TRUE(d->m_nPlayState == Dlg::kPlaying && d->m_nCurrentTrack == 0);
    Click(*d, Dlg::kIdStop);
    Click(*d, Dlg::kIdRandom);
    std::set<int> drawn;
    for (int i = 0; i < 6; ++i) {
        Click(*d, Dlg::kIdPlay);
        drawn.insert(d->m_nCurrentTrack);
        Click(*d, Dlg::kIdStop);
    }
    EXPECT_TRUE(drawn.size() > 1 && *drawn.begin() >= 0 && *drawn.rbegin() < 3);
    ClickRow(*d, 2);
    EXPECT_TRUE(d->m_nCurrentTrack == 2 && d->m_nPlayState == Dlg::kStopped);
    EXPECT_EQ(d->m_Player.FileName().toStdString(), c) << "loaded, not started";
    Click(*d, Dlg::kIdPlay);
    EXPECT_TRUE(d->m_nCurrentTrack == 2 && g_nHighlightedTrack == 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d->m_nPosition > 300; }, 5000)) << "it plays";
    ClickRow(*d, 0);
    EXPECT_TRUE(d->m_nCurrentTrack == 0 && d->m_nPlayState == Dlg::kPlaying) << "switched at once";
}

TEST_F(MusicDialog, OnOffSilencesTheTuneWhichComesBackWhenUncheckedAtTheSoundSetting) {
    if (AssetResourceBytes(227).empty() || QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP()
            << "needs the built-in tune and a sound server (tools/run-tests.sh starts one)";
    const std::string a = Tone("a", 5);
    REQUIRE(!a.empty());
    auto d = Open(Rows({a}));
    QTimer tick;  // the tank's music step
    QObject::connect(&tick, &QTimer::timeout, RunMusicStep);
    tick.start(20);
    auto tune = [] { return BuiltInMusicProgress().playing; };
    ASSERT_TRUE(QTest::qWaitFor(tune, 3000)) << "the tune starts with own music off";
    const int place = BuiltInMusicProgress().positionMs;
    EXPECT_TRUE(QTest::qWaitFor([&] { return BuiltInMusicProgress().positionMs > place; }, 2000));
    for (const char* file : {"Music.ad", "Music.wav"})
        EXPECT_FALSE(FileExists(m_dir.file(file))) << file;
    g_settings.nVolume = 65535;
    EXPECT_TRUE(QTest::qWaitFor([] { return BuiltInMusicProgress().volume == 0; }, 1000));
    Click(*d, Dlg::kIdOnOff);
    EXPECT_EQ(d->m_nPlayState, Dlg::kPlaying);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tune(); }, 1000)) << "never both together";
    Click(*d, Dlg::kIdOnOff);
    EXPECT_EQ(d->m_nPlayState, Dlg::kStopped);
    QElapsedTimer back;
    back.start();
    EXPECT_TRUE(QTest::qWaitFor(tune, 2000));
    std::printf("tune back after %lld ms\n", back.elapsed());
    g_settings.nVolume = 0;
}

TEST_F(MusicDialog, MissingOrGarbageFilesNeverHoldTheTickAndLeaveThePlaylistPlayingSilently) {
    WriteFileBytes(m_dir.file("garbage.mp3"), std::string(3000, 'Z'));
    std::unique_ptr<Dlg> dialogs[2];  // made before the tick runs, as the program makes its own
    const char* const names[2] = {"missing.wav", "garbage.mp3"};
    for (int i = 0; i < 2; ++i)
        dialogs[i] = Open(Rows({m_dir.file(names[i])}));
    Tick tick;
    for (int i = 0; i < 2; ++i) {
        Dlg* d = dialogs[i].get();
        const char* name = names[i];
        ClickRow(*d, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d->m_nCurrentTrack == -1; }, 3000)) << name;
        EXPECT_TRUE(d->m_nPlayState == Dlg::kStopped && List(*d).SelectedRow() == -1);
        Click(*d, Dlg::kIdPlay);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d->m_nCurrentTrack == -1; }, 3000)) << name;
        QTest::qWait(500);
        EXPECT_TRUE(d->m_nPlayState == Dlg::kPlaying && g_nHighlightedTrack == -1 &&
                    !Enabled(*d, Dlg::kIdPlay))
            << "playing, silent, until Stop: " << name;
        Click(*d, Dlg::kIdStop);
        EXPECT_TRUE(d->m_nPlayState == Dlg::kStopped && Enabled(*d, Dlg::kIdPlay));
    }
    EXPECT_LT(tick.worstMs, 500) << "a broken file held the tick";
}

}  // namespace
