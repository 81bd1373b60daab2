#include "media/TunePlayer.h"

#include <QAudioSink>
#include <QMediaDevices>

#include "media/LoopingPcm.h"
#include "media/WavData.h"
#include "scene/Assets.h"

namespace {
constexpr int kTuneResourceId = 227;
constexpr const char* kTuneName = "Music";
}  // namespace

TunePlayer::TunePlayer() = default;

TunePlayer::~TunePlayer() {
    Stop();
}

void TunePlayer::Start(const std::string& dir, double volume) {
    Stop();
    ExtractAsset(kTuneResourceId, dir, kTuneName);
    WavData wav = ReadWavFile(AssetUsablePath(dir, kTuneName));
    DeleteAssetFiles(dir, kTuneName);
    if (!wav.valid())
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    m_nSampleRate = wav.format.sampleRate();
    m_pcm = std::make_unique<LoopingPcm>(wav.samples, wav.format.bytesPerFrame());
    m_pcm->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_sink = std::make_unique<QAudioSink>(device, wav.format);
    SetVolume(volume);
    m_sink->start(m_pcm.get());
}

void TunePlayer::Stop() {
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_pcm.reset();
}

void TunePlayer::SetVolume(double volume) {
    m_volume = qBound(0.0, volume, 1.0);
    if (m_sink)
        m_sink->setVolume(m_volume);
}

TunePlayer::Progress TunePlayer::CurrentProgress() const {
    Progress progress;
    progress.volume = m_volume;
    if (!m_sink || !m_pcm || m_sink->error() != QAudio::NoError)
        return progress;
    progress.playing = true;
    const long long frames = m_pcm->framesRead(), pass = m_pcm->framesPerPass();
    progress.passes = frames / pass;
    progress.positionMs = static_cast<int>((frames % pass) * 1000 / m_nSampleRate);
    return progress;
}
