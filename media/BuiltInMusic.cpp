#include "media/BuiltInMusic.h"

#include <QThread>

#include "media/MusicFlags.h"
#include "media/SoundThreads.h"
#include "settings/AquariumSettings.h"
#include "settings/StorageDirectory.h"

namespace {

bool g_bTuneOn = false;
int g_nAppliedVolume = 0;

TunePlayer* Tune() {
    static TunePlayer* tune = [] {
        auto* player = new TunePlayer;
        QThread* thread = SoundThreadFor(SoundThread::Tune);
        player->moveToThread(thread);
        QObject::connect(thread, &QThread::finished, player, &QObject::deleteLater);
        return player;
    }();
    return tune;
}

}  // namespace

double TuneVolumeFromSetting(int nVolume) {
    return qBound(0.0, (65535.0 - nVolume) / 65535.0, 1.0);
}

void StartBuiltInMusic() {
    const std::string dir = GetAssetDirectory(GetStorageDirectory());
    const double volume = TuneVolumeFromSetting(g_settings.nVolume);
    TunePlayer* tune = Tune();
    PostTo(tune, [tune, dir, volume] { tune->Start(dir, volume); });
    g_bTuneOn = true;
    g_nAppliedVolume = g_settings.nVolume;
}

void StopBuiltInMusic() {
    if (!g_bTuneOn)
        return;
    g_bTuneOn = false;
    TunePlayer* tune = Tune();
    PostTo(tune, [tune] { tune->Stop(); });
}

void RunMusicStep() {
    if (g_bOwnMusicOn) {
        g_bBuiltInMusicPending = true;
        StopBuiltInMusic();
    } else if (g_bBuiltInMusicPending) {
        StartBuiltInMusic();
        g_bBuiltInMusicPending = false;
    }
    if (g_bTuneOn && g_settings.nVolume != g_nAppliedVolume) {
        g_nAppliedVolume = g_settings.nVolume;
        TunePlayer* tune = Tune();
        const double volume = TuneVolumeFromSetting(g_nAppliedVolume);
        PostTo(tune, [tune, volume] { tune->SetVolume(volume); });
    }
}

TunePlayer::Progress BuiltInMusicProgress() {
    TunePlayer* tune = Tune();
    TunePlayer::Progress progress;
    QMetaObject::invokeMethod(
        tune, [tune] { return tune->CurrentProgress(); }, Qt::BlockingQueuedConnection, &progress);
    return progress;
}
