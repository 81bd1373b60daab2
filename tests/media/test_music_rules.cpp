// The music's rules that need no sound: which track comes next, the file filter, the tune's loop
// and volume.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "media/BuiltInMusic.h"
#include "media/CCustomMusicDlg.h"
#include "media/LoopingPcm.h"
#include "media/TrackChoice.h"

namespace {

int g_nDraw = 0;
int Draw() {
    return g_nDraw;
}

TEST(MusicRules, NextTrackFollowsTheModeAndWhetherItPlays) {
    enum { one = kRepeatOne, all = kRepeatAll, rnd = kRandomMusic };
    g_nDraw = 7;  // 7 mod 3 = 1
    for (int mode : {one, all, rnd})
        EXPECT_EQ(ChooseTrackRow(mode, true, true, 2, 0, 3, Draw), 2) << "a row the user picked";
    EXPECT_EQ(ChooseTrackRow(one, true, false, 0, 2, 3, Draw), 2) << "Repeat One repeats";
    EXPECT_EQ(ChooseTrackRow(all, true, false, 0, 1, 3, Draw), 2);
    EXPECT_EQ(ChooseTrackRow(all, true, false, 0, 2, 3, Draw), 0) << "Repeat All wraps";
    EXPECT_EQ(ChooseTrackRow(rnd, true, false, 0, 0, 3, Draw), 1);
    for (int mode : {one, all, rnd})
        EXPECT_EQ(ChooseTrackRow(mode, false, false, 2, 0, 3, Draw), 2) << "the selected row";
    EXPECT_EQ(ChooseTrackRow(one, false, false, -1, 2, 3, Draw), 0) << "none selected: row 0";
    EXPECT_EQ(ChooseTrackRow(all, false, false, -1, 2, 3, Draw), 0);
    EXPECT_EQ(ChooseTrackRow(rnd, false, false, -1, 2, 3, Draw), 1) << "none selected: drawn";
}

TEST(MusicRules, AddMusicOffersMusicFilesInAnyLetterCase) {
    const QString filter = MusicFileFilter();
    const QString patterns = filter.mid(filter.indexOf('(') + 1).chopped(1);
    auto offered = [&](const QString& name) {
        for (const QString& p : patterns.split(' '))
            if (QRegularExpression::fromWildcard(p).match(name).hasMatch())
                return true;
        return false;
    };
    for (const char* name :
         {"a.mp3", "B.MP3", "c.Wav", "d.mpeg", "e.MPEG", "f.ogg", "g.FLAC", "h.m4a"})
        EXPECT_TRUE(offered(name)) << name;
    for (const char* name : {"a.txt", "b.mp4", "mp3", "c.mp3.bak"})
        EXPECT_FALSE(offered(name)) << name;
}

TEST(MusicRules, TheTuneLoopsWithoutASeamInWholeFramesAtTheSoundSettingsLevel) {
    QByteArray pass;
    for (int i = 0; i < 10; ++i)
        pass.append(char(i)).append(char(100 + i));  // ten 2-byte frames
    LoopingPcm pcm(pass, 2);
    pcm.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const QByteArray got = pcm.read(51);  // 25 frames: two passes and a half; the odd byte waits
    EXPECT_EQ(got, pass + pass + pass.left(10));
    EXPECT_EQ(pcm.framesRead(), 25);
    EXPECT_EQ(TuneVolumeFromSetting(0), 1.0);
    EXPECT_EQ(TuneVolumeFromSetting(65535), 0.0);
    EXPECT_NEAR(TuneVolumeFromSetting(32767), 0.5, 0.001) << "linear";
    EXPECT_EQ(TuneVolumeFromSetting(-5), 1.0);
    EXPECT_EQ(TuneVolumeFromSetting(70000), 0.0);
}

}  // namespace
