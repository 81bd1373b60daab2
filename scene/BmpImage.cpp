#include "scene/BmpImage.h"

#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t I32(const unsigned char* p) {
    return static_cast<std::int32_t>(U32(p));
}

// The BITMAPINFOHEADER fields the readers use.
struct InfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::uint32_t clrUsed;
};

InfoHeader ReadInfoHeader(const unsigned char* p) {
    return {U32(p), I32(p + 4), I32(p + 8), U16(p + 14), U32(p + 16), U32(p + 20), U32(p + 32)};
}

// A shorter header (such as the 12-byte core header) puts its fields elsewhere.
bool FullInfoHeader(const InfoHeader& h) {
    return h.size >= kInfoHeaderSize;
}

bool SaneSize(const InfoHeader& h) {
    return h.width >= 1 && h.width <= kMaxBmpSide && h.height >= 1 && h.height <= kMaxBmpSide;
}

// A stated image size is allowed to be 0 (uncompressed) but never smaller than the rows it holds.
bool SaneSizeImage(const InfoHeader& h, std::size_t pixelBytes) {
    return h.sizeImage == 0 || h.sizeImage >= pixelBytes;
}

bool StartsWithBM(const unsigned char* data) {
    return data[0] == 'B' && data[1] == 'M';
}

}  // namespace

int FitTextureSide(int side, int limit) {
    const double x = std::min(side, limit);
    const int fitted = static_cast<int>(std::pow(2.0, std::ceil(std::log(x) / std::log(2.0))));
    return std::max(fitted, 2);
}

std::size_t PaddedRowBytes(int bitsPerPixel, int width) {
    return (static_cast<std::size_t>(bitsPerPixel) * static_cast<std::size_t>(width) + 31) / 32 * 4;
}

std::size_t ScaledPixelBytes(const TextureImage& image) {
    return PaddedRowBytes(image.components * 8, image.targetWidth) *
           static_cast<std::size_t>(image.targetHeight);
}

bool ParseTextureBmp(const unsigned char* data, std::size_t size, int maxTextureSize,
                     TextureImage* image) {
    if (size < kFileHeaderSize + 1 || !StartsWithBM(data))
        return false;
    // Header, palette and pixels follow one another from the end of the file header; the pixel
    // offset in the file header is not consulted.
    const unsigned char* buffer = data + kFileHeaderSize;
    const std::size_t bufferSize = size - kFileHeaderSize;
    if (bufferSize < kInfoHeaderSize)
        return false;
    const InfoHeader h = ReadInfoHeader(buffer);
    if (!FullInfoHeader(h) || !SaneSize(h) || h.compression != 0)
        return false;
    if (h.bitCount != 8 && h.bitCount != 24 && h.bitCount != 32)
        return false;

    std::size_t paletteEntries = 0;
    if (h.bitCount == 8) {
        if (h.clrUsed > 256)
            return false;
        paletteEntries = h.clrUsed == 0 ? 256 : h.clrUsed;
    }
    const std::size_t pixelOffset = kInfoHeaderSize + paletteEntries * 4;
    const std::size_t rowBytes = PaddedRowBytes(static_cast<int>(h.bitCount), h.width);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(h.height);
    if (pixelOffset > bufferSize || bufferSize - pixelOffset < pixelBytes)
        return false;
    if (!SaneSizeImage(h, pixelBytes))
        return false;

    const int limit = std::max(std::min(maxTextureSize, kMaxTextureSide), 1);
    TextureImage out;
    out.width = h.width;
    out.height = h.height;
    out.targetWidth = FitTextureSide(h.width, limit);
    out.targetHeight = FitTextureSide(h.height, limit);
    const bool bgra = h.bitCount == 32;
    out.format = bgra ? GL_BGRA_EXT : GL_BGR_EXT;
    out.components = bgra ? 4 : 3;
    out.scaleFormat = bgra ? GL_BGRA_EXT : GL_RGB;
    const unsigned char* pixels = buffer + pixelOffset;

    if (h.bitCount != 8) {
        out.needsScaling = out.targetWidth != h.width || out.targetHeight != h.height;
        out.pixels.assign(pixels, pixels + pixelBytes);
    } else {
        // 8-bit pictures always go through the palette and the scaler, even at power-of-two size.
        out.needsScaling = true;
        const unsigned char* palette = buffer + kInfoHeaderSize;
        const std::size_t dstRowBytes = PaddedRowBytes(24, h.width);
        out.pixels.assign(dstRowBytes * static_cast<std::size_t>(h.height), 0);
        for (int y = 0; y < h.height; ++y) {
            const unsigned char* src = pixels + rowBytes * y;
            unsigned char* dst = out.pixels.data() + dstRowBytes * y;
            for (int x = 0; x < h.width; ++x, dst += 3) {
                // An index past the palette stays black rather than reading beyond it.
                if (src[x] >= paletteEntries)
                    continue;
                const unsigned char* entry = palette + src[x] * 4;
                dst[0] = entry[0];
                dst[1] = entry[1];
                dst[2] = entry[2];
            }
        }
    }
    *image = std::move(out);
    return true;
}

bool ParseMipmapBmp(const unsigned char* data, std::size_t size, MipmapImage* image) {
    if (size < kFileHeaderSize + kInfoHeaderSize || !StartsWithBM(data))
        return false;
    const std::uint32_t offBits = U32(data + 10);
    const InfoHeader h = ReadInfoHeader(data + kFileHeaderSize);
    if (!FullInfoHeader(h) || !SaneSize(h) || h.bitCount != 24 || h.compression != 0)
        return false;
    const std::size_t rowBytes = PaddedRowBytes(24, h.width);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(h.height);
    if (!SaneSizeImage(h, pixelBytes))
        return false;
    if (offBits < kFileHeaderSize + kInfoHeaderSize || offBits > size ||
        size - offBits < pixelBytes) {
        return false;
    }

    MipmapImage out;
    out.width = h.width;
    out.height = h.height;
    out.rgba.resize(static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height) * 4);
    unsigned char* dst = out.rgba.data();
    for (int y = 0; y < h.height; ++y) {
        // Row padding is skipped, so any width reads straight.
        const unsigned char* src = data + offBits + rowBytes * y;
        for (int x = 0; x < h.width; ++x, src += 3, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            // Only pure black is see-through.
            dst[3] = (src[0] | src[1] | src[2]) ? 255 : 0;
        }
    }
    *image = std::move(out);
    return true;
}
