#include "media/WavData.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 Le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 Le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

}  // namespace

WavData ReadWavFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};

    WavData wav;
    int channels = 0, rate = 0, bits = 0;
    // Chunks follow one another, each padded to an even length.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const char* header = bytes.constData() + at;
        const qsizetype size = Le32(header + 4);
        const qsizetype body = at + 8;
        const qsizetype available = qMin(size, bytes.size() - body);
        if (memcmp(header, "fmt ", 4) == 0 && available >= 16) {
            const char* fmt = bytes.constData() + body;
            if (Le16(fmt) != 1)  // PCM
                return {};
            channels = Le16(fmt + 2);
            rate = static_cast<int>(Le32(fmt + 4));
            bits = Le16(fmt + 14);
        } else if (memcmp(header, "data", 4) == 0 && bits != 0) {
            wav.samples = bytes.mid(body, available);
            break;
        }
        at = body + size + (size & 1);
    }
    if (channels < 1 || rate < 1 || (bits != 8 && bits != 16))
        return {};
    wav.format.setChannelCount(channels);
    wav.format.setSampleRate(rate);
    wav.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const qsizetype frame = wav.format.bytesPerFrame();
    wav.samples.truncate(wav.samples.size() / frame * frame);
    return wav;
}
