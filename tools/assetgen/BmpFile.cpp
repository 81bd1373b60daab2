#include "BmpFile.h"

#include <QFile>
#include <cstdint>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back((v >> (8 * i)) & 0xff);
    }
}

}  // namespace

bool WriteBmp24(const QImage& image, const QString& path, bool bNoPureBlack) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const uint32_t w = img.width();
    const uint32_t h = img.height();
    const uint32_t stride = (w * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * h;
    const uint32_t offBits = 14 + 40;

    std::vector<uint8_t> out;
    out.reserve(offBits + imageSize);
    Put16(out, 0x4D42);  // "BM"
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (uint32_t x = 0; x < w; ++x) {
            uint8_t r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            if (bNoPureBlack && r == 0 && g == 0 && b == 0) {
                r = g = b = 1;
            }
            out.push_back(b);
            out.push_back(g);
            out.push_back(r);
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const qint64 n = file.write(reinterpret_cast<const char*>(out.data()), out.size());
    return n == static_cast<qint64>(out.size());
}
