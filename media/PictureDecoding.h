#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <string>

class QIODevice;

// The user's background pictures are read with Qt's image readers: JPEG (baseline or
// progressive), PNG (any bit depth, interlaced or not) and BMP (every header version). Nothing
// else is accepted, whatever the file's name says. The picture comes turned upright by its
// orientation tag, and a side longer than `limit`'s comes at `limit`'s length: JPEG and PNG are
// read straight at that size, so a camera photo costs about what a screen-sized picture does.
//
// The result is in the format the reader gives, never one with a colour table. A damaged,
// truncated or foreign file, one bigger than kMaxPictureDecodeMegabytes or whose reading would
// take more, and a picture of more than 100 million pixels give a null image and the reason in
// `why`.
// `device` is a file or a buffer, read from its position to its end. Safe on any thread.
QImage DecodePicture(QIODevice* device, QSize limit, QString* why = nullptr);

// The same for a file, by its UTF-8 path.
QImage DecodePictureFile(const std::string& path, QSize limit, QString* why = nullptr);

constexpr int kMaxPictureDecodeMegabytes = 256;
