#include "WavFile.h"

#include <QFile>

namespace {

void Put16(QByteArray& out, uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void Put32(QByteArray& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.append(char((v >> (8 * i)) & 0xff));
    }
}

}  // namespace

bool WriteWavMono16(const std::vector<int16_t>& samples, int sampleRate, const QString& path) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(44 + dataBytes);
    out.append("RIFF");
    Put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, sampleRate);
    Put32(out, sampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.append("data");
    Put32(out, dataBytes);
    for (int16_t s : samples) {
        Put16(out, static_cast<uint16_t>(s));
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(out) == out.size();
}
