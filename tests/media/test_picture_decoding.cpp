// The user's pictures: what cameras and editors write is read upright and no bigger than the
// screen, anything broken or foreign is refused with a reason, and the texture shows the picture
// the right way up.
#include <gtest/gtest.h>

#include <QtEndian>

#include "PictureFiles.h"
#include "media/PictureDecoding.h"
#include "scene/PictureTexture.h"
#include "support/GlTestContext.h"

namespace {

const QSize kScreen(640, 480);

QImage Decode(QByteArray bytes, QString* why = nullptr) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return DecodePicture(&buffer, kScreen, why);
}

bool IsRedOverBlue(const QImage& image) {
    const QColor top = image.pixelColor(image.width() / 2, image.height() / 4);
    const QColor bottom = image.pixelColor(image.width() / 2, image.height() * 3 / 4);
    return top.red() > 200 && top.blue() < 60 && bottom.blue() > 200 && bottom.red() < 60;
}

quint32 Crc32(const QByteArray& data) {
    quint32 crc = 0xffffffff;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

TEST(PictureDecoding, ProgressiveJpeg16BitPngAndV5BmpReadAsTheyLook) {
    const QByteArray progressive = Encoded(TwoColours(64, 48), "jpeg", true);
    ASSERT_TRUE(progressive.contains("\xff\xc2")) << "a progressive frame";
    const QByteArray deepPng =
        Encoded(TwoColours(64, 48, Qt::red, Qt::blue, QImage::Format_RGBX64), "png");
    ASSERT_EQ(deepPng[24], 16) << "16 bits per sample";
    for (const QByteArray& file : {progressive, deepPng, V5Bmp(TwoColours(64, 48))}) {
        QString why;
        const QImage image = Decode(file, &why);
        EXPECT_EQ(image.size(), QSize(64, 48)) << why.toStdString();
        EXPECT_TRUE(IsRedOverBlue(image));
    }
}

TEST(PictureDecoding, BigPicturesReadAtTheScreensSizeTurnedUprightByTheirOrientationTag) {
    EXPECT_EQ(Decode(Encoded(TwoColours(3000, 400), "png")).size(), QSize(640, 400));
    // Stored 1000 x 400, tagged "turn a quarter clockwise": seen 400 x 1000, red on the right.
    QByteArray turned = Encoded(TwoColours(1000, 400), "jpeg");
    const char exif[] =
        "\xff\xe1\x00\x22"
        "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0";
    turned.insert(2, exif, sizeof exif - 1);
    const QImage upright = Decode(turned);
    EXPECT_EQ(upright.size(), QSize(400, 480));
    EXPECT_GT(upright.pixelColor(350, 240).red(), 200);
}

TEST(PictureDecoding, BrokenForeignAndHugeFilesAreRefusedWithAReason) {
    const QByteArray jpeg = Encoded(TwoColours(256, 256), "jpeg");
    QByteArray huge = Encoded(TwoColours(8, 8), "png");
    PutLE(huge, 16, qToBigEndian<quint32>(30000), 4);
    PutLE(huge, 20, qToBigEndian<quint32>(30000), 4);
    PutLE(huge, 29, qToBigEndian(Crc32(huge.mid(12, 17))), 4);
    const QByteArray bmp = V5Bmp(TwoColours(256, 256));
    const QByteArray files[] = {jpeg.left(jpeg.size() * 2 / 3), bmp.left(bmp.size() * 2 / 3),
                                QByteArray(), QByteArray("[Custom Images]\nImageSum=1\n"), huge};
    for (const QByteArray& file : files) {
        QString why;
        EXPECT_TRUE(Decode(file, &why).isNull()) << file.size();
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(PictureTexture, ShowsThePictureTheRightWayUp) {
    GlTestContext gl;
    MEROW_REQUIRE_GL(gl);
    const GLuint texture = CreatePictureTexture(Decode(Encoded(TwoColours(300, 200), "png")));
    ASSERT_NE(texture, 0u);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    QImage level0(width, height, QImage::Format_RGB888);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, level0.bits());
    EXPECT_TRUE(IsRedOverBlue(level0.mirrored())) << "GL rows run bottom to top";
    ReleasePictureTexture(texture);
}

}  // namespace
