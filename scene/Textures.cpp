#include "scene/Textures.h"

#include <GL/glu.h>

#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "scene/Assets.h"
#include "scene/BmpImage.h"

namespace {

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* bytes) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    std::vector<unsigned char> data;
    unsigned char block[1 << 15];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, in);
        if (got == 0)
            break;
        data.insert(data.end(), block, block + got);
    }
    const bool ok = !std::ferror(in);
    std::fclose(in);
    if (ok)
        *bytes = std::move(data);
    return ok;
}

// The readers hand over rows padded to 4 bytes; whatever the rest of the program set, pixel
// transfers here use exactly that layout. Restored by glPopClientAttrib.
void UseDefaultPixelStore() {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    for (GLenum name : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT})
        glPixelStorei(name, 4);
    for (GLenum name :
         {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SWAP_BYTES,
          GL_UNPACK_LSB_FIRST, GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS,
          GL_PACK_SWAP_BYTES, GL_PACK_LSB_FIRST}) {
        glPixelStorei(name, 0);
    }
}

}  // namespace

void LoadTextureMipmapped(const std::string& path, GLuint* texture) {
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    std::vector<unsigned char> file;
    MipmapImage image;
    if (!ReadWholeFile(path, &file) || !ParseMipmapBmp(file.data(), file.size(), &image))
        return;
    file = {};

    // A picture with no pure black pixel is opaque everywhere: storing it without alpha samples
    // to the same colours and alpha 1, and lets the frame draw it without blending.
    bool opaque = true;
    for (std::size_t i = 3; i < image.rgba.size() && opaque; i += 4)
        opaque = image.rgba[i] == 255;
    UseDefaultPixelStore();
    gluBuild2DMipmaps(GL_TEXTURE_2D, opaque ? 3 : 4, image.width, image.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, image.rgba.data());
    glPopClientAttrib();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
}

void LoadTexture(const std::string& path, GLuint* texture) {
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    std::vector<unsigned char> file;
    if (!ReadWholeFile(path, &file))
        return;
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    TextureImage image;
    if (!ParseTextureBmp(file.data(), file.size(), maxSize, &image))
        return;
    file = {};

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    UseDefaultPixelStore();
    const unsigned char* pixels = image.pixels.data();
    int width = image.width;
    int height = image.height;
    std::unique_ptr<unsigned char[]> scaled;
    if (image.needsScaling) {
        scaled.reset(new (std::nothrow) unsigned char[ScaledPixelBytes(image)]);
        // Without room for the scaled copy the picture goes up at its own size.
        if (scaled && gluScaleImage(image.scaleFormat, image.width, image.height, GL_UNSIGNED_BYTE,
                                    pixels, image.targetWidth, image.targetHeight, GL_UNSIGNED_BYTE,
                                    scaled.get()) == 0) {
            pixels = scaled.get();
            width = image.targetWidth;
            height = image.targetHeight;
        }
    }
    glTexImage2D(GL_TEXTURE_2D, 0, image.components, width, height, 0, image.format,
                 GL_UNSIGNED_BYTE, pixels);
    glPopClientAttrib();
}

GLuint CreateBlankTexture() {
    std::vector<unsigned char> zeros(128 * 128 * 4, 0);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, zeros.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

void LoadBuiltInTexture(int resourceId, const std::string& dir, const std::string& name,
                        GLuint* texture, bool mipmapped) {
    // A missing resource writes nothing; the loader then finds no file and leaves the texture
    // empty.
    ExtractAsset(resourceId, dir, name);
    const std::string path = AssetUsablePath(dir, name);
    if (mipmapped) {
        LoadTextureMipmapped(path, texture);
    } else {
        LoadTexture(path, texture);
    }
    DeleteAssetFiles(dir, name);
}
