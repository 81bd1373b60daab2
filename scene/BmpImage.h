#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <vector>

// The BMP readers behind the texture loaders, without GL: they check a file's bytes and say what
// would be uploaded. Anything that is not a sound uncompressed BMP of the kind a loader takes is
// refused, so the GL side never reads past a buffer.

// What LoadTexture uploads. `pixels` are width x height, rows bottom-up, each padded to 4 bytes;
// when `needsScaling` is set they still have to be scaled (gluScaleImage, which needs a context)
// to targetWidth x targetHeight, read as `scaleFormat`.
struct TextureImage {
    int width = 0;
    int height = 0;
    int targetWidth = 0;
    int targetHeight = 0;
    GLenum format = 0;       // GL_BGR_EXT or GL_BGRA_EXT
    int components = 0;      // 3 or 4
    GLenum scaleFormat = 0;  // GL_RGB (blue-green-red kept in order) or GL_BGRA_EXT
    bool needsScaling = false;
    std::vector<unsigned char> pixels;
};

// What LoadTextureMipmapped uploads: width x height red-green-blue-alpha pixels, rows bottom-up.
struct MipmapImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Widest or tallest picture either reader takes.
constexpr int kMaxBmpSide = 16384;

// Textures never get more than this many texels a side, whatever GL allows.
constexpr int kMaxTextureSide = 512;

// Power-of-two side for a picture side: 2^ceil(log2(min(side, limit))), at least 2.
int FitTextureSide(int side, int limit);

// Bytes in one row of `width` pixels of `bitsPerPixel`, padded to 4 bytes.
std::size_t PaddedRowBytes(int bitsPerPixel, int width);

// Room gluScaleImage needs for the scaled copy: rows padded to 4 bytes (a 2-wide 24-bit row
// takes 8 bytes, not 6).
std::size_t ScaledPixelBytes(const TextureImage& image);

// An 8-, 24- or 32-bit BMP for LoadTexture, fitted to `maxTextureSize` (capped at 512). An 8-bit
// picture comes back expanded through its palette to 24 bits. False for anything else.
bool ParseTextureBmp(const unsigned char* data, std::size_t size, int maxTextureSize,
                     TextureImage* image);

// A 24-bit BMP for LoadTextureMipmapped; pure black becomes transparent. False for anything else.
bool ParseMipmapBmp(const unsigned char* data, std::size_t size, MipmapImage* image);
