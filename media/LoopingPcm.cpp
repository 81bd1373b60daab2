#include "media/LoopingPcm.h"

#include <cstring>

LoopingPcm::LoopingPcm(QByteArray samples, int bytesPerFrame, QObject* parent)
    : QIODevice(parent), m_samples(std::move(samples)), m_bytesPerFrame(qMax(1, bytesPerFrame)) {
    m_samples.truncate(m_samples.size() / m_bytesPerFrame * m_bytesPerFrame);
}

qint64 LoopingPcm::bytesAvailable() const {
    // Always a full pass ahead: the stream never runs dry.
    return m_samples.size() + QIODevice::bytesAvailable();
}

qint64 LoopingPcm::readData(char* data, qint64 maxSize) {
    if (m_samples.isEmpty())
        return 0;
    const qint64 wanted = maxSize / m_bytesPerFrame * m_bytesPerFrame;
    for (qint64 done = 0; done < wanted;) {
        const qint64 chunk = qMin<qint64>(wanted - done, m_samples.size() - m_offset);
        std::memcpy(data + done, m_samples.constData() + m_offset, static_cast<size_t>(chunk));
        done += chunk;
        m_offset = (m_offset + chunk) % m_samples.size();
    }
    m_framesRead += wanted / m_bytesPerFrame;
    return wanted;
}
