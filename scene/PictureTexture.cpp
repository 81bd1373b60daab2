#include "scene/PictureTexture.h"

#include <SOIL/SOIL.h>

#include <QImage>
#include <vector>

namespace {
constexpr unsigned kPictureFlags =
    SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB;

// The power of two a side of `length` pixels is stretched to: the next one up, or the one below
// when that loses at most a tenth (a 1050-pixel screen height gets 1024, not twice the work at
// 2048).
int TextureSide(int length) {
    int power = 1;
    while (power < length && power < (1 << 30))
        power *= 2;
    return power / 2 * 11 / 10 >= length ? power / 2 : power;
}

}  // namespace

GLuint CreatePictureTexture(const QImage& decoded) {
    if (decoded.isNull())
        return 0;
    // Mipmaps need sides that are powers of two. SOIL would stretch the picture up to them in a
    // float loop; Qt does it several times faster.
    const QSize sides(TextureSide(decoded.width()), TextureSide(decoded.height()));
    const bool alpha = decoded.hasAlphaChannel();
    QImage picture = decoded;
    if (sides != decoded.size()) {
        // Qt scales its own 32-bit formats directly, without a painter.
        picture.convertTo(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        picture = picture.scaled(sides, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.convertTo(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (picture.isNull())
        return 0;
    const int channels = alpha ? 4 : 3;

    // SOIL reads the rows back to back; QImage pads each to four bytes (which only rows of one or
    // two pixels need).
    const int width = picture.width(), height = picture.height();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    std::vector<unsigned char> packed;
    const unsigned char* pixels = picture.constBits();
    if (static_cast<std::size_t>(picture.bytesPerLine()) != rowBytes) {
        packed.resize(rowBytes * height);
        for (int y = 0; y < height; ++y)
            std::copy_n(picture.constScanLine(y), rowBytes, packed.data() + rowBytes * y);
        pixels = packed.data();
    }

    // Where the GL cannot take compressed pictures, SOIL hands over plain rows of every mipmap
    // size, down to one pixel: they must be read unpadded too.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    const GLuint texture =
        SOIL_create_OGL_texture(pixels, width, height, channels, 0, kPictureFlags);
    glPopClientAttrib();
    // The picture was read at the screen's size, so it is drawn at about its own size: plain
    // linear filtering of the full-size level shows it sharpest, and costs a third less per frame
    // than blending two of the mipmaps.
    if (texture != 0)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    return texture;
}

void ReleasePictureTexture(GLuint texture) {
    if (texture != 0)
        glDeleteTextures(1, &texture);
}
