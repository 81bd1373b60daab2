// Mutated BMPs through both readers: nothing may read past the file (run this under
// -DMEROW_SANITIZE=ON), and whatever is accepted must hold the pixels the GL side will read.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BmpFiles.h"
#include "platform/Random.h"
#include "scene/BmpImage.h"

namespace {

constexpr int kMutantsPerBase = 5000;

std::uint32_t RandomU32() {
    return (static_cast<std::uint32_t>(Rand()) << 17) ^ (static_cast<std::uint32_t>(Rand()) << 2) ^
           static_cast<std::uint32_t>(Rand());
}

// Values that tend to break size arithmetic.
std::uint32_t AwkwardValue(std::size_t fileSize) {
    const std::uint32_t values[] = {0u,
                                    1u,
                                    2u,
                                    3u,
                                    8u,
                                    24u,
                                    32u,
                                    255u,
                                    256u,
                                    257u,
                                    0x7FFFFFFFu,
                                    0x80000000u,
                                    0xFFFFFFFFu,
                                    0xFFFFFFF0u,
                                    0x10000u,
                                    0x40000000u,
                                    static_cast<std::uint32_t>(fileSize),
                                    static_cast<std::uint32_t>(fileSize + 1),
                                    RandomU32()};
    return values[Rand() % (sizeof values / sizeof values[0])];
}

std::string Mutate(std::string file) {
    const int changes = 1 + Rand() % 4;
    for (int i = 0; i < changes && !file.empty(); ++i) {
        switch (Rand() % 5) {
            case 0:  // one byte, mostly in the headers
            {
                const std::size_t limit =
                    (Rand() % 2) ? std::min<std::size_t>(file.size(), 60) : file.size();
                file[Rand() % limit] = static_cast<char>(Rand() & 0xFF);
                break;
            }
            case 1:  // a header field
            case 2: {
                static const std::size_t fields[] = {
                    2, bmp::kOffBits, 14, bmp::kWidth, bmp::kHeight, bmp::kSizeImage, bmp::kClrUsed,
                    26};
                const std::size_t at = fields[Rand() % 8];
                if (at + 4 <= file.size())
                    bmp::PutU32(file, at, AwkwardValue(file.size()));
                break;
            }
            case 3:  // bit count
                if (file.size() >= 30) {
                    static const int bits[] = {0, 1, 4, 8, 16, 24, 32, 48, 0xFFFF};
                    bmp::PutU16(file, bmp::kBitCount, bits[Rand() % 9]);
                }
                break;
            default:  // cut short or grown
                if (Rand() % 3) {
                    file.resize(Rand() % file.size());
                } else {
                    file.append(static_cast<std::size_t>(Rand() % 64), static_cast<char>(Rand()));
                }
                break;
        }
    }
    return file;
}

bool IsPowerOfTwoSide(int side) {
    return side >= 2 && side <= 512 && (side & (side - 1)) == 0;
}

struct Base {
    const char* what;
    std::string file;
};

std::vector<Base> TextureBases() {
    const bmp::Painter noise = [](int, int, unsigned char* p) { p[0] = Rand() & 0xFF; };
    return {{"8-bit", bmp::Make(33, 17, 8, noise)},
            {"8-bit short palette", bmp::Make(9, 9, 8, noise, 16)},
            {"24-bit", bmp::Make(31, 16, 24, noise)},
            {"32-bit", bmp::Make(16, 20, 32, noise)}};
}

TEST(BmpFuzz, TextureReaderSurvivesMutants) {
    SeedRand(2024);
    int accepted = 0;
    for (const Base& base : TextureBases()) {
        for (int i = 0; i < kMutantsPerBase; ++i) {
            const std::string mutant = Mutate(base.file);
            // Exact-size heap copy: any over-read shows under the address sanitizer.
            std::vector<unsigned char> bytes(mutant.begin(), mutant.end());
            TextureImage image;
            if (!ParseTextureBmp(bytes.data(), bytes.size(), 1 << 14, &image))
                continue;
            ++accepted;
            ASSERT_GE(image.width, 1) << base.what << " #" << i;
            ASSERT_GE(image.height, 1) << base.what << " #" << i;
            ASSERT_TRUE(IsPowerOfTwoSide(image.targetWidth)) << base.what << " #" << i;
            ASSERT_TRUE(IsPowerOfTwoSide(image.targetHeight)) << base.what << " #" << i;
            ASSERT_GE(image.pixels.size(),
                      PaddedRowBytes(image.components * 8, image.width) * image.height)
                << base.what << " #" << i;
        }
    }
    // Some mutants must stay valid, or the checks above never ran.
    EXPECT_GT(accepted, 100);
}

TEST(BmpFuzz, MipmapReaderSurvivesMutants) {
    SeedRand(2025);
    const std::string base = bmp::Make(
        23, 19, 24, [](int, int, unsigned char* p) { p[0] = p[1] = p[2] = Rand() & 0xFF; });
    int accepted = 0;
    for (int i = 0; i < 2 * kMutantsPerBase; ++i) {
        const std::string mutant = Mutate(base);
        std::vector<unsigned char> bytes(mutant.begin(), mutant.end());
        MipmapImage image;
        if (!ParseMipmapBmp(bytes.data(), bytes.size(), &image))
            continue;
        ++accepted;
        ASSERT_GE(image.width, 1) << "#" << i;
        ASSERT_GE(image.height, 1) << "#" << i;
        ASSERT_EQ(image.rgba.size(), static_cast<std::size_t>(image.width) * image.height * 4)
            << "#" << i;
    }
    EXPECT_GT(accepted, 100);
}

}  // namespace
