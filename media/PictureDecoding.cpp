#include "media/PictureDecoding.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <mutex>

namespace {

// Beyond these a picture would take seconds to read, whatever the screen.
constexpr qint64 kMaxPictureFileBytes = qint64(kMaxPictureDecodeMegabytes) << 20;
constexpr qint64 kMaxPicturePixels = 100'000'000;

bool IsAcceptedFormat(const QByteArray& format) {
    return format == "jpeg" || format == "png" || format == "bmp";
}

int Byte(const QByteArray& data, qsizetype at) {
    return at < data.size() ? static_cast<unsigned char>(data[at]) : -1;
}

quint32 LittleEndian(const QByteArray& data, qsizetype at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint32>(qMax(0, Byte(data, at + i)));
    return value;
}

// The reader makes up the rest of a JPEG cut short, so the cut is found here: past the headers,
// the data must reach an end-of-image marker.
bool JpegReachesItsEnd(const QByteArray& data) {
    qsizetype at = 2;  // past the start-of-image marker
    while (Byte(data, at) == 0xff) {
        const int marker = Byte(data, at + 1);
        if (marker == 0xff) {  // fill byte
            ++at;
        } else if (marker == 0xda) {  // the first scan: headers end here
            return data.lastIndexOf("\xff\xd9") > at;
        } else if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += 2;
        } else {
            if (Byte(data, at + 3) < 0)
                return false;
            const int length = Byte(data, at + 2) << 8 | Byte(data, at + 3);
            if (length < 2)
                return false;
            at += 2 + length;
        }
    }
    return false;
}

// The reader fills the rows missing from an uncompressed BMP cut short; here they are counted.
bool BmpHoldsItsPixels(const QByteArray& data) {
    const quint32 headerSize = LittleEndian(data, 14, 4);
    if (headerSize < 40)
        return true;  // the old 12-byte header: left to the reader
    const quint32 compression = LittleEndian(data, 30, 4);
    if (compression != 0 && compression != 3 && compression != 6)
        return true;  // run-length data has no fixed size
    const qint64 width = static_cast<qint32>(LittleEndian(data, 18, 4));
    const qint64 height = static_cast<qint32>(LittleEndian(data, 22, 4));
    const qint64 bits = LittleEndian(data, 28, 2);
    const qint64 rowBytes = (qAbs(width) * bits + 31) / 32 * 4;
    const qint64 pixelBytes = data.size() - qint64(LittleEndian(data, 10, 4));
    return rowBytes == 0 || (pixelBytes >= 0 && qAbs(height) <= pixelBytes / rowBytes);
}

QImage Fail(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return QImage();
}

}  // namespace

QImage DecodePicture(QIODevice* device, QSize limit, QString* why) {
    if (device->size() - device->pos() > kMaxPictureFileBytes)
        return Fail(
            why, QStringLiteral("the file is bigger than %1 MB").arg(kMaxPictureDecodeMegabytes));
    // Held whole, to find a cut in it.
    QByteArray data = device->readAll();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // Qt refuses, before decoding, any image whose pixels would need more than this. Set once:
    // pictures are read on several threads.
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kMaxPictureDecodeMegabytes); });
    const QByteArray format = reader.format();
    if (!IsAcceptedFormat(format))
        return Fail(why, QStringLiteral("not a JPEG, PNG or BMP picture"));
    if ((format == "jpeg" && !JpegReachesItsEnd(data)) ||
        (format == "bmp" && !BmpHoldsItsPixels(data)))
        return Fail(why, QStringLiteral("the picture's data ends early"));

    const QSize stored = reader.size();
    if (stored.isEmpty())
        return Fail(why, QStringLiteral("the picture's size cannot be read"));
    if (qint64(stored.width()) * stored.height() > kMaxPicturePixels)
        return Fail(why, QStringLiteral("the picture is too big (%1 x %2 pixels)")
                             .arg(stored.width())
                             .arg(stored.height()));
    // The orientation tag turns the stored pixels; the limit is for the picture as it is seen.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    const QSize wanted = upright.boundedTo(limit.expandedTo(QSize(1, 1)));
    // Only readers that scale while they read are asked to: the others would scale a picture with
    // a colour table, and Qt's scaling reads past a damaged file's short table.
    if (wanted != upright && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(turned ? wanted.transposed() : wanted);

    QImage image;
    // The BMP reader leaves the rows a damaged file lacks as it finds them: it is given a black
    // picture to read into.
    const QImage::Format bmpFormat =
        format == "bmp" ? reader.imageFormat() : QImage::Format_Invalid;
    if (bmpFormat != QImage::Format_Invalid &&
        qint64(stored.width()) * stored.height() * 4 <= kMaxPictureFileBytes) {
        image = QImage(stored, bmpFormat);
        image.fill(0);
    }
    if (!reader.read(&image))
        return Fail(why, reader.errorString());
    // Qt's conversion gives colours missing from a short table a colour of their own.
    if (image.colorCount() > 0 || image.format() == QImage::Format_Indexed8)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return Fail(why, QStringLiteral("out of memory"));
    return image;
}

QImage DecodePictureFile(const std::string& path, QSize limit, QString* why) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(why, file.errorString());
    return DecodePicture(&file, limit, why);
}
