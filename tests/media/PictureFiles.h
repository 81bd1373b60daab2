#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

// Pictures as files hold them, made in memory for the tests of the user's pictures.

// Top half `top`, bottom half `bottom`.
inline QImage TwoColours(int width, int height, QColor top = Qt::red, QColor bottom = Qt::blue,
                         QImage::Format format = QImage::Format_RGB888) {
    QImage image(width, height, format);
    image.fill(bottom);
    QPainter(&image).fillRect(0, 0, width, height / 2, top);
    return image;
}

inline QByteArray Encoded(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

inline void PutLE(QByteArray& b, int at, quint32 v, int n) {
    for (int i = 0; i < n; ++i)
        b[at + i] = char(v >> (8 * i));
}

// A 32-bit bottom-up BMP with the version 5 header (bit fields, sRGB), as editors write them.
inline QByteArray V5Bmp(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height(), header = 14 + 124;
    QByteArray b(header, '\0');
    b[0] = 'B', b[1] = 'M';
    PutLE(b, 2, header + w * h * 4, 4);
    PutLE(b, 10, header, 4);
    const quint32 fields[] = {
        124, quint32(w), quint32(h), 1 | (32 << 16), 3,    quint32(w * h * 4), 2835,      2835,
        0,   0,          0xff0000,   0xff00,         0xff, 0xff000000,         0x73524742};
    for (int i = 0; i < 15; ++i)
        PutLE(b, 14 + 4 * i, fields[i], 4);
    for (int y = h - 1; y >= 0; --y)
        b.append(reinterpret_cast<const char*>(argb.constScanLine(y)), w * 4);
    return b;
}
