#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Builds BMP files in memory for the reader tests. Field offsets are from the start of the file.
namespace bmp {

constexpr std::size_t kOffBits = 10;
constexpr std::size_t kWidth = 18;
constexpr std::size_t kHeight = 22;
constexpr std::size_t kBitCount = 28;
constexpr std::size_t kCompression = 30;
constexpr std::size_t kSizeImage = 34;
constexpr std::size_t kClrUsed = 46;
constexpr std::size_t kHeadersSize = 54;

inline void PutU32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void PutU16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

inline std::size_t RowBytes(int bits, int width) {
    return (static_cast<std::size_t>(bits) * width + 31) / 32 * 4;
}

// Pixel painter: gets x, y (bottom-up) and the pixel's bytes (1, 3 or 4 of them, in file order).
using Painter = std::function<void(int x, int y, unsigned char* px)>;

// An uncompressed BMP. 8-bit pictures get `paletteEntries` palette entries (0 writes 256 and
// leaves biClrUsed 0); entry i is blue i, green 255 - i, red i / 2.
inline std::string Make(int width, int height, int bits, const Painter& paint = {},
                        int paletteEntries = 0) {
    const int entries = bits == 8 ? (paletteEntries ? paletteEntries : 256) : 0;
    const std::size_t row = RowBytes(bits, width);
    const std::size_t pixelBytes = row * height;
    const std::size_t offBits = kHeadersSize + entries * 4;
    std::string s(offBits + pixelBytes, '\0');
    s[0] = 'B';
    s[1] = 'M';
    PutU32(s, 2, static_cast<std::uint32_t>(s.size()));
    PutU32(s, kOffBits, static_cast<std::uint32_t>(offBits));
    PutU32(s, 14, 40);
    PutU32(s, kWidth, static_cast<std::uint32_t>(width));
    PutU32(s, kHeight, static_cast<std::uint32_t>(height));
    PutU16(s, 26, 1);
    PutU16(s, kBitCount, static_cast<std::uint32_t>(bits));
    PutU32(s, kSizeImage, static_cast<std::uint32_t>(pixelBytes));
    PutU32(s, kClrUsed, bits == 8 ? static_cast<std::uint32_t>(paletteEntries) : 0);
    for (int i = 0; i < entries; ++i) {
        s[kHeadersSize + i * 4] = static_cast<char>(i);
        s[kHeadersSize + i * 4 + 1] = static_cast<char>(255 - i);
        s[kHeadersSize + i * 4 + 2] = static_cast<char>(i / 2);
    }
    if (paint) {
        const int bytesPerPixel = bits / 8;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                paint(x, y,
                      reinterpret_cast<unsigned char*>(&s[offBits + row * y + x * bytesPerPixel]));
            }
        }
    }
    return s;
}

inline const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

}  // namespace bmp
