#pragma once

#include <QImage>
#include <QString>

// Writes an uncompressed 24-bit BMP: 40-byte info header, image size field filled in, rows
// bottom-up and padded to 4 bytes. With bNoPureBlack every (0, 0, 0) pixel becomes (1, 1, 1),
// because the background loader turns pure black into holes.
bool WriteBmp24(const QImage& image, const QString& path, bool bNoPureBlack);
