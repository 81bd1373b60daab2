#pragma once

#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QAudioOutput;

// What a player's sound thread has learnt about its file, read by the dialog's thread.
struct MciPlayerFacts {
    enum CanPlay { Unknown = -1, No = 0, Yes = 1 };
    std::atomic<int> canPlay{Unknown};
    std::atomic<long long> positionMs{0};
    std::atomic<long long> durationMs{0};
    std::atomic<bool> ended{false};  // played to its end; cleared by a seek
};

// One opened music file on the music thread: a QMediaPlayer with its own sound output. Made on
// the dialog's thread, moved to the music thread, and from then on called only there.
class MciPlayerBackend : public QObject {
    Q_OBJECT
public:
    MciPlayerBackend(std::shared_ptr<MciPlayerFacts> facts, QString fileName);
    ~MciPlayerBackend() override;

    // Makes the player and hands it the file; whether it can play is known once the file is
    // understood (Understood is emitted then).
    void Load(float volume);
    void Play();
    // Pauses where it is, as a stop that keeps the place.
    void Stop();
    void Seek(qint64 positionMs);
    void SetVolume(float volume);

signals:
    void Understood(bool canPlay);

private:
    void OnStatus(QMediaPlayer::MediaStatus status);
    void OnFailure();
    void Decide(bool canPlay);
    bool Failed() const { return m_facts->canPlay.load() == MciPlayerFacts::No; }

    std::shared_ptr<MciPlayerFacts> m_facts;
    QString m_strFileName;
    std::unique_ptr<QMediaPlayer> m_player;
    std::unique_ptr<QAudioOutput> m_output;
};
