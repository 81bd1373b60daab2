#pragma once

#include <QByteArray>
#include <QIODevice>
#include <atomic>

// An endless read-only stream of one piece of PCM: after its last frame the first follows at
// once, so a sound stream pulling from it loops with no gap and no seam. Reads hand out whole
// frames only.
class LoopingPcm : public QIODevice {
    Q_OBJECT
public:
    LoopingPcm(QByteArray samples, int bytesPerFrame, QObject* parent = nullptr);

    // Frames handed out so far, over every pass; readable from any thread.
    long long framesRead() const { return m_framesRead.load(); }
    long long framesPerPass() const { return m_samples.size() / m_bytesPerFrame; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_samples;
    int m_bytesPerFrame;
    qsizetype m_offset = 0;
    std::atomic<long long> m_framesRead{0};
};
