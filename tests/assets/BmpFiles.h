#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

// Builds BMP files in memory for the loader tests. Field offsets are from the start of the file.
namespace bmp {

constexpr std::size_t kOffBits = 10, kInfoSize = 14, kWidth = 18, kHeight = 22, kBitCount = 28,
                      kCompression = 30, kSizeImage = 34, kClrUsed = 46;

inline void Put(std::string& s, std::size_t at, std::uint32_t v, int bytes = 4) {
    for (int i = 0; i < bytes; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// An uncompressed BMP. 8-bit pictures get `paletteEntries` palette entries (0: 256, biClrUsed 0);
// entry i is blue i, green 255 - i, red i / 2. A painter gets x, y (bottom-up) and the pixel's 1,
// 3 or 4 zero bytes in file order. Unpainted, every pixel is index 10 or blue 10, green 245, red
// 5 (alpha 128): the same colour at every depth.
inline std::string Make(int width, int height, int bits,
                        const std::function<void(int x, int y, unsigned char* pixel)>& paint = {},
                        int paletteEntries = 0) {
    const std::uint32_t entries = bits == 8 ? (paletteEntries ? paletteEntries : 256) : 0;
    const std::uint32_t row = (bits * width + 31) / 32 * 4, offBits = 54 + entries * 4;
    std::string s(offBits + row * height, '\0');
    Put(s, 0, 'B' | 'M' << 8, 2);
    Put(s, 2, s.size());
    Put(s, kOffBits, offBits);
    Put(s, kInfoSize, 40);
    Put(s, kWidth, width);
    Put(s, kHeight, height);
    Put(s, 26, 1 | bits << 16);  // planes, bit count
    Put(s, kSizeImage, row * height);
    Put(s, kClrUsed, bits == 8 ? paletteEntries : 0);
    for (std::uint32_t i = 0; i < entries; ++i)
        Put(s, 54 + i * 4, (i & 0xFF) | (255 - i % 256) << 8 | (i % 256 / 2) << 16);
    const unsigned char colour[] = {10, 245, 5, 128};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            auto* pixel = reinterpret_cast<unsigned char*>(&s[offBits + row * y + x * bits / 8]);
            if (paint)
                paint(x, y, pixel);
            else
                std::copy(colour, colour + bits / 8, pixel);
        }
    }
    return s;
}

}  // namespace bmp
