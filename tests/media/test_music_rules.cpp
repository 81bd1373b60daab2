// The music's rules that need no sound: which track comes next, the file filter, the tune's loop
// and volume, and the tune's WAV reader.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cstring>

#include "media/BuiltInMusic.h"
#include "media/CCustomMusicDlg.h"
#include "media/LoopingPcm.h"
#include "media/TrackChoice.h"
#include "media/WavData.h"
#include "support/TempDir.h"

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

std::string Wav(int formatTag, int channels, int bits, const std::string& data) {
    auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char(v >> (8 * i));
        return s;
    };
    const std::string fmt = le(formatTag, 2) + le(channels, 2) + le(22050, 4) +
                            le(22050 * channels * bits / 8, 4) + le(channels * bits / 8, 2) +
                            le(bits, 2);
    const std::string body = "WAVEfmt " + le(16, 4) + fmt + "LIST" + le(3, 4) + "abc" + '\0' +
                             "data" + le(data.size(), 4) + data;
    return "RIFF" + le(body.size(), 4) + body;
}

TEST(MusicRules, TheTunesReaderTakesPcmWavesPastOtherChunksAndRefusesTheRest) {
    TempDir dir;
    WriteFileBytes(dir.file("stereo.wav"), Wav(1, 2, 16, std::string(10, 'x')));  // 2.5 frames
    const WavData wav = ReadWavFile(dir.file("stereo.wav"));
    ASSERT_TRUE(wav.valid());
    EXPECT_TRUE(wav.format.channelCount() == 2 && wav.format.sampleRate() == 22050 &&
                wav.format.sampleFormat() == QAudioFormat::Int16);
    EXPECT_EQ(wav.samples, QByteArray(8, 'x')) << "whole frames of the data chunk";
    WriteFileBytes(dir.file("float.wav"), Wav(3, 1, 32, std::string(8, 'x')));
    WriteFileBytes(dir.file("short.wav"), "RIFF\x04\0\0\0WAVE");
    for (const char* bad : {"float.wav", "short.wav", "missing.wav"})
        EXPECT_FALSE(ReadWavFile(dir.file(bad)).valid()) << bad;
}

}  // namespace
