// The BMP readers without GL: what size and format each picture would be uploaded with, and that
// malformed files are refused instead of read past their end.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BmpFiles.h"
#include "scene/BmpImage.h"

namespace {

bool ParseTexture(const std::string& file, TextureImage* image, int maxSize = 8192) {
    // An exact-size copy, so a read past the end is caught by the sanitizers.
    std::vector<unsigned char> bytes(file.begin(), file.end());
    return ParseTextureBmp(bytes.data(), bytes.size(), maxSize, image);
}

bool ParseMipmap(const std::string& file, MipmapImage* image) {
    std::vector<unsigned char> bytes(file.begin(), file.end());
    return ParseMipmapBmp(bytes.data(), bytes.size(), image);
}

TEST(FitTextureSide, RoundsUpToPowersOfTwoWithinTheLimit) {
    for (int side = 2; side <= 512; side *= 2)
        EXPECT_EQ(FitTextureSide(side, 512), side);
    EXPECT_EQ(FitTextureSide(1, 512), 2);
    EXPECT_EQ(FitTextureSide(3, 512), 4);
    EXPECT_EQ(FitTextureSide(257, 512), 512);
    EXPECT_EQ(FitTextureSide(5000, 512), 512);
    EXPECT_EQ(FitTextureSide(300, 256), 256);
}

TEST(TextureBmp, PowerOfTwo24BitGoesUpAsItIs) {
    const std::string file = bmp::Make(256, 256, 24, [](int x, int y, unsigned char* p) {
        p[0] = static_cast<unsigned char>(x);
        p[1] = static_cast<unsigned char>(y);
        p[2] = 7;
    });
    TextureImage image;
    ASSERT_TRUE(ParseTexture(file, &image));
    EXPECT_FALSE(image.needsScaling);
    EXPECT_EQ(image.format, static_cast<GLenum>(GL_BGR_EXT));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.width, 256);
    EXPECT_EQ(image.height, 256);
    EXPECT_EQ(std::string(image.pixels.begin(), image.pixels.end()), file.substr(54));
}

TEST(TextureBmp, OddSizesAreScaledToPowersOfTwoCappedAt512) {
    struct Case {
        int width, height, maxSize, targetWidth, targetHeight;
    };
    for (const Case& c : {Case{300, 200, 8192, 512, 256}, Case{1024, 1024, 2048, 512, 512},
                          Case{1, 1, 8192, 2, 2}, Case{300, 200, 256, 256, 256}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        TextureImage image;
        ASSERT_TRUE(ParseTexture(bmp::Make(c.width, c.height, 24), &image, c.maxSize));
        EXPECT_TRUE(image.needsScaling);
        EXPECT_EQ(image.targetWidth, c.targetWidth);
        EXPECT_EQ(image.targetHeight, c.targetHeight);
        EXPECT_EQ(image.scaleFormat, static_cast<GLenum>(GL_RGB));
        EXPECT_EQ(image.format, static_cast<GLenum>(GL_BGR_EXT));
        EXPECT_EQ(image.pixels.size(), PaddedRowBytes(24, c.width) * c.height);
    }
}

TEST(TextureBmp, ThirtyTwoBitStaysBgra) {
    TextureImage image;
    ASSERT_TRUE(ParseTexture(bmp::Make(64, 64, 32), &image));
    EXPECT_FALSE(image.needsScaling);
    EXPECT_EQ(image.format, static_cast<GLenum>(GL_BGRA_EXT));
    EXPECT_EQ(image.components, 4);

    ASSERT_TRUE(ParseTexture(bmp::Make(100, 64, 32), &image));
    EXPECT_TRUE(image.needsScaling);
    EXPECT_EQ(image.scaleFormat, static_cast<GLenum>(GL_BGRA_EXT));
    EXPECT_EQ(image.targetWidth, 128);
}

TEST(TextureBmp, EightBitIsExpandedThroughThePaletteEvenAtPowerOfTwoSize) {
    TextureImage image;
    ASSERT_TRUE(
        ParseTexture(bmp::Make(64, 64, 8, [](int, int, unsigned char* p) { *p = 200; }), &image));
    EXPECT_TRUE(image.needsScaling);
    EXPECT_EQ(image.targetWidth, 64);
    EXPECT_EQ(image.format, static_cast<GLenum>(GL_BGR_EXT));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.scaleFormat, static_cast<GLenum>(GL_RGB));
    // Palette entry 200 is blue 200, green 55, red 100, kept in blue-green-red order.
    EXPECT_EQ(image.pixels[0], 200);
    EXPECT_EQ(image.pixels[1], 55);
    EXPECT_EQ(image.pixels[2], 100);
}

TEST(TextureBmp, EightBitRowsAndShortPalettesLineUp) {
    // Width 5: source rows of 8 bytes, expanded rows of 16; 16 palette entries before the pixels.
    const std::string file = bmp::Make(
        5, 3, 8, [](int x, int y, unsigned char* p) { *p = static_cast<unsigned char>(x + y); },
        16);
    TextureImage image;
    ASSERT_TRUE(ParseTexture(file, &image));
    ASSERT_EQ(image.pixels.size(), 16u * 3);
    const unsigned char* last = &image.pixels[16 * 2 + 4 * 3];  // x 4, y 2: index 6
    EXPECT_EQ(last[0], 6);
    EXPECT_EQ(last[1], 249);
    EXPECT_EQ(last[2], 3);
}

TEST(TextureBmp, IndicesPastThePaletteComeOutBlack) {
    const std::string file = bmp::Make(
        4, 1, 8, [](int, int, unsigned char* p) { *p = 20; }, 16);
    TextureImage image;
    ASSERT_TRUE(ParseTexture(file, &image));
    for (unsigned char b : image.pixels)
        EXPECT_EQ(b, 0);
}

TEST(MipmapBmp, OnlyPureBlackIsTransparent) {
    const std::string file = bmp::Make(4, 2, 24, [](int x, int y, unsigned char* p) {
        p[0] = (x == 1 && y == 0) ? 1 : 0;  // blue 1: (red, green, blue) = (0, 0, 1)
        p[1] = 0;
        p[2] = (x == 2 && y == 1) ? 9 : 0;
    });
    MipmapImage image;
    ASSERT_TRUE(ParseMipmap(file, &image));
    ASSERT_EQ(image.rgba.size(), 4u * 2 * 4);
    const unsigned char* black = &image.rgba[0];
    const unsigned char* blue1 = &image.rgba[4];
    const unsigned char* red9 = &image.rgba[(4 + 2) * 4];
    EXPECT_EQ(std::vector<int>(black, black + 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(std::vector<int>(blue1, blue1 + 4), (std::vector<int>{0, 0, 1, 255}));
    EXPECT_EQ(std::vector<int>(red9, red9 + 4), (std::vector<int>{9, 0, 0, 255}));
}

TEST(MipmapBmp, PaddedRowsReadStraight) {
    // Width 5: 15 bytes of pixels and one byte of padding in each row.
    const std::string file = bmp::Make(5, 2, 24, [](int x, int y, unsigned char* p) {
        p[0] = static_cast<unsigned char>(10 * y + x + 1);
        p[1] = p[2] = 0;
    });
    MipmapImage image;
    ASSERT_TRUE(ParseMipmap(file, &image));
    EXPECT_EQ(image.rgba[(5 + 0) * 4 + 2], 11);
    EXPECT_EQ(image.rgba[(5 + 4) * 4 + 2], 15);
}

// One damage done to a good file.
struct Damage {
    const char* what;
    std::function<void(std::string&)> apply;
};

std::vector<Damage> CommonDamage() {
    using bmp::PutU16;
    using bmp::PutU32;
    return {
        {"not BM", [](std::string& s) { s[1] = 'X'; }},
        {"under 15 bytes", [](std::string& s) { s.resize(14); }},
        {"header cut short", [](std::string& s) { s.resize(40); }},
        {"last pixel byte missing", [](std::string& s) { s.pop_back(); }},
        {"taller than the data", [](std::string& s) { PutU32(s, bmp::kHeight, 17); }},
        {"wider than the data", [](std::string& s) { PutU32(s, bmp::kWidth, 17); }},
        {"zero width", [](std::string& s) { PutU32(s, bmp::kWidth, 0); }},
        {"negative width", [](std::string& s) { PutU32(s, bmp::kWidth, 0xFFFFFFF0u); }},
        {"huge width", [](std::string& s) { PutU32(s, bmp::kWidth, 0x7FFFFFFFu); }},
        {"zero height", [](std::string& s) { PutU32(s, bmp::kHeight, 0); }},
        {"negative height", [](std::string& s) { PutU32(s, bmp::kHeight, 0xFFFFFFF0u); }},
        {"huge height", [](std::string& s) { PutU32(s, bmp::kHeight, 0x40000000u); }},
        {"16 bits", [](std::string& s) { PutU16(s, bmp::kBitCount, 16); }},
        {"4 bits", [](std::string& s) { PutU16(s, bmp::kBitCount, 4); }},
        {"0 bits", [](std::string& s) { PutU16(s, bmp::kBitCount, 0); }},
        {"run-length coded", [](std::string& s) { PutU32(s, bmp::kCompression, 1); }},
        {"image size too small", [](std::string& s) { PutU32(s, bmp::kSizeImage, 100); }},
    };
}

TEST(TextureBmp, MalformedFilesAreRefused) {
    for (int bits : {8, 24, 32}) {
        for (const Damage& d : CommonDamage()) {
            SCOPED_TRACE(std::to_string(bits) + " bits, " + d.what);
            std::string file = bmp::Make(16, 16, bits);
            d.apply(file);
            TextureImage image;
            EXPECT_FALSE(ParseTexture(file, &image));
        }
    }
}

TEST(TextureBmp, BrokenPalettesAreRefused) {
    std::string cut = bmp::Make(4, 4, 8);
    cut.resize(54 + 100);  // inside the 256-entry palette
    std::string tooMany = bmp::Make(4, 4, 8);
    bmp::PutU32(tooMany, bmp::kClrUsed, 257);
    std::string pastTheEnd = bmp::Make(4, 4, 8, {}, 16);
    bmp::PutU32(pastTheEnd, bmp::kClrUsed, 200);  // palette now swallows the pixels and more
    TextureImage image;
    EXPECT_FALSE(ParseTexture(cut, &image));
    EXPECT_FALSE(ParseTexture(tooMany, &image));
    EXPECT_FALSE(ParseTexture(pastTheEnd, &image));
}

TEST(MipmapBmp, MalformedFilesAreRefused) {
    for (const Damage& d : CommonDamage()) {
        SCOPED_TRACE(d.what);
        std::string file = bmp::Make(16, 16, 24);
        d.apply(file);
        MipmapImage image;
        EXPECT_FALSE(ParseMipmap(file, &image));
    }
    for (int bits : {8, 32}) {
        MipmapImage image;
        EXPECT_FALSE(ParseMipmap(bmp::Make(16, 16, bits), &image)) << bits << " bits";
    }
    std::string offsetPastEnd = bmp::Make(16, 16, 24);
    bmp::PutU32(offsetPastEnd, bmp::kOffBits, 0xFFFFFFF0u);
    std::string offsetIntoHeader = bmp::Make(16, 16, 24);
    bmp::PutU32(offsetIntoHeader, bmp::kOffBits, 2);
    MipmapImage image;
    EXPECT_FALSE(ParseMipmap(offsetPastEnd, &image));
    EXPECT_FALSE(ParseMipmap(offsetIntoHeader, &image));
}

TEST(MipmapBmp, UnstatedImageSizeIsTakenFromTheRows) {
    std::string file = bmp::Make(8, 8, 24);
    bmp::PutU32(file, bmp::kSizeImage, 0);
    MipmapImage image;
    EXPECT_TRUE(ParseMipmap(file, &image));
}

}  // namespace
