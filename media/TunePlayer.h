#pragma once

#include <QObject>
#include <memory>
#include <string>

class QAudioSink;
class LoopingPcm;

// The built-in tune, on the tune thread: the asset is written out, read into memory, both of its
// files are deleted at once, and the samples loop through a sound stream until stopped.
class TunePlayer : public QObject {
    Q_OBJECT
public:
    TunePlayer();
    ~TunePlayer() override;

    // Extracts "Music" into `dir` and loops it at `volume` (0 silent .. 1 full, linear).
    // Silent when the tune is missing or no sound device takes the stream.
    void Start(const std::string& dir, double volume);
    void Stop();
    void SetVolume(double volume);

    struct Progress {
        bool playing = false;  // a sound stream takes the tune
        long long passes = 0;  // complete passes handed to the stream
        int positionMs = 0;    // place within the current pass
        double volume = 0;
    };
    Progress CurrentProgress() const;

private:
    std::unique_ptr<LoopingPcm> m_pcm;
    std::unique_ptr<QAudioSink> m_sink;
    int m_nSampleRate = 0;
    double m_volume = 0;
};
