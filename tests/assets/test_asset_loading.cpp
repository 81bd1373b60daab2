// Getting the built-in assets into GL: the BMP readers, the unscrambler's round trip and the
// texture loaders against a real GL context.

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "BmpFiles.h"
#include "scene/AssetKey.h"
#include "scene/Assets.h"
#include "scene/BmpImage.h"
#include "scene/Textures.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Runs the texture reader, or the mipmapped one when `mipmap` is given, telling it the file is
// `told` bytes long. The bytes end right before an unreadable page: reading past them crashes.
bool Read(const std::string& file, TextureImage* texture, MipmapImage* mipmap = nullptr,
          std::size_t told = std::string::npos) {
    const std::size_t page = sysconf(_SC_PAGESIZE), length = (file.size() / page + 2) * page;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    unsigned char* data = static_cast<unsigned char*>(base) + length - page - file.size();
    mprotect(data + file.size(), page, PROT_NONE);
    std::memcpy(data, file.data(), file.size());
    const std::size_t size = std::min(told, file.size());
    const bool ok =
        mipmap ? ParseMipmapBmp(data, size, mipmap) : ParseTextureBmp(data, size, 8192, texture);
    munmap(base, length);
    return ok;
}

TEST(BmpReaders, MalformedFilesAreRefused) {
    enum { kTexture = 1, kMipmap = 2, kBoth = 3 };  // which reader a damage is for
    using bmp::Put;
    using S = std::string&;
    using T = std::size_t&;
    // One damage to a good file each, leaving every other field sound so that only one check can
    // refuse it. `told` shortens the length the reader is told while the bytes stay there: a
    // reader that ignores the length then returns a picture rather than crashing.
    const std::tuple<const char*, int, std::function<void(S, T)>> damage[] = {
        {"not BM", kBoth, [](S s, T) { s[1] = 'X'; }},
        {"under 15 bytes", kBoth, [](S, T told) { told = 13; }},
        {"cut inside the headers", kBoth, [](S s, T) { s.resize(40); }},
        {"core header", kBoth, [](S s, T) { Put(s, bmp::kInfoSize, 12); }},
        {"zero width", kBoth, [](S s, T) { Put(s, bmp::kWidth, 0); }},
        {"zero height", kBoth, [](S s, T) { Put(s, bmp::kHeight, 0); }},
        {"16385 wide", kBoth, [](S s, T) { s = bmp::Make(16385, 1, s[bmp::kBitCount]); }},
        {"16385 tall", kBoth, [](S s, T) { s = bmp::Make(1, 16385, s[bmp::kBitCount]); }},
        {"16 bits", kBoth, [](S s, T) { Put(s, bmp::kBitCount, 16, 2); }},
        {"run-length coded", kBoth, [](S s, T) { Put(s, bmp::kCompression, 1); }},
        {"image size under the rows", kBoth, [](S s, T) { Put(s, bmp::kSizeImage, 100); }},
        {"last pixel byte missing", kBoth, [](S s, T told) { told = s.size() - 1; }},
        {"palette past the end", kTexture, [](S, T told) { told = 54 + 100; }},
        {"257 colours", kTexture, [](S s, T) { s = bmp::Make(4, 4, 8, {}, 257); }},
        {"pixels start in the headers", kMipmap, [](S s, T) { Put(s, bmp::kOffBits, 53); }},
        {"pixels start past the end", kMipmap,
         [](S s, T told) { Put(s, bmp::kHeight, 15), Put(s, bmp::kOffBits, 58), told = 57; }},
    };
    for (const auto& [what, readers, apply] : damage) {
        for (int bits : {8, 24, 32}) {
            std::string file = bmp::Make(16, 16, bits);
            std::size_t told = std::string::npos;
            apply(file, told);
            TextureImage texture;
            MipmapImage mipmap;
            EXPECT_FALSE((readers & kTexture) && Read(file, &texture, nullptr, told))
                << bits << " bits, " << what;
            EXPECT_FALSE((readers & kMipmap) && bits == 24 && Read(file, nullptr, &mipmap, told))
                << what;
        }
    }
}

TEST(TextureBmp, IndicesPastThePaletteComeOutBlack) {
    TextureImage image;  // index 10 of an 8-entry palette would read pixel bytes, all 10
    ASSERT_TRUE(Read(bmp::Make(64, 1, 8, {}, 8), &image));
    EXPECT_EQ(image.pixels, std::vector<unsigned char>(image.pixels.size(), 0));
}

TEST(DescrambleAssetDeathTest, UndoesTheBuildToolIntoAPrivateFileOrEndsTheProcess) {
    TempDir dir;
    EXPECT_FALSE(ExtractAsset(165, dir.path(), "Water"));  // no such resource: nothing written
    const std::string plain(65536 + 77, 'x');              // more than one read block
    std::string ad = plain;
    ScrambleAssetBytes(BuildAssetKey(), reinterpret_cast<unsigned char*>(&ad[0]), ad.size(), 1);
    for (const std::string name : {"Music", "music"}) {
        WriteFileBytes(dir.file(name + ".ad"), ad);
        DescrambleAsset(dir.path(), name);
    }
    EXPECT_TRUE(ReadFileBytes(dir.file("Music.wav")) == plain);
    EXPECT_TRUE(ReadFileBytes(dir.file("music.bmp")) == plain);
    EXPECT_EQ(fs::status(dir.file("Music.wav")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    for (const char* name : {"Music", "music", "music"})  // the second time finds nothing
        DeleteAssetFiles(dir.path(), name);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    // Unopenable files end the process with status 0 and a message (on stdout, read as stderr).
    EXPECT_EXIT((dup2(2, 1), DescrambleAsset(dir.path(), "fish0")), testing::ExitedWithCode(0),
                "^cannot open infile\n$");
    WriteFileBytes(dir.file("fish0.ad"), "BM");
    fs::create_directory(dir.file("fish0.bmp"));  // cannot be opened for writing
    EXPECT_EXIT((dup2(2, 1), DescrambleAsset(dir.path(), "fish0")), testing::ExitedWithCode(0),
                "^ cannot open outfile\n$");
}

class TextureUpload : public ::testing::Test {
protected:
    void SetUp() override { MEROW_REQUIRE_GL(m_gl); }

    // Loads `file` with `loader`; the width, height and alpha bits of the bound texture, its own.
    std::tuple<int, int, int> Load(const std::string& file, decltype(&LoadTexture) loader) {
        WriteFileBytes(m_dir.file("picture.bmp"), file);
        GLuint texture = 0;
        loader(m_dir.file("picture.bmp"), &texture);
        return {Get(GL_TEXTURE_WIDTH), Get(GL_TEXTURE_HEIGHT), Get(GL_TEXTURE_ALPHA_SIZE)};
    }

    // A parameter of the bound texture's level `level`, or with level -1 of the texture.
    static GLint Get(GLenum what, GLint level = 0) {
        GLint v = -1;
        level < 0 ? glGetTexParameteriv(GL_TEXTURE_2D, what, &v)
                  : glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &v);
        return v;
    }

    // Whether level 0 has texels and every one is `rgba`.
    static bool AllTexels(std::vector<unsigned char> rgba) {
        std::vector<unsigned char> bytes(Get(GL_TEXTURE_WIDTH) * Get(GL_TEXTURE_HEIGHT) * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
        while (rgba.size() < bytes.size())
            rgba.insert(rgba.end(), rgba.begin(), rgba.begin() + 4);
        return !bytes.empty() && bytes == rgba;
    }

    GlTestContext m_gl;
    TempDir m_dir;
};

TEST_F(TextureUpload, PicturesAreFittedToPowerOfTwoSidesAndKeepTheirColours) {
    // Whatever the rest of the program left in the pixel store, the rows still line up.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const int cases[][5] = {{300, 200, 24, 512, 256}, {1024, 1024, 24, 512, 512},
                            {1, 1, 24, 2, 2},         {64, 64, 24, 64, 64},
                            {5, 3, 8, 8, 4},          {64, 64, 8, 64, 64},
                            {64, 64, 32, 64, 64}};
    for (const auto& [w, h, bits, fittedW, fittedH] : cases) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + "x" + std::to_string(bits));
        EXPECT_EQ(Load(bmp::Make(w, h, bits, {}, 16), LoadTexture),
                  std::tuple(fittedW, fittedH, bits == 32 ? 8 : 0));
        EXPECT_TRUE(AllTexels({5, 245, 10, static_cast<unsigned char>(bits == 32 ? 128 : 255)}));
        EXPECT_EQ(std::pair(Get(GL_TEXTURE_MIN_FILTER, -1), Get(GL_TEXTURE_MAG_FILTER, -1)),
                  std::pair(GL_LINEAR, GL_LINEAR));
    }
}

TEST_F(TextureUpload, ScaledCopyStaysInsideItsBuffer) {
    // Pixel store as LoadTexture sets it: rows padded to 4 bytes, so 2-wide 24-bit rows take 8.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    for (const auto& [w, h, bits] : {std::tuple{1, 5, 24}, {2, 3, 8}, {3, 3, 32}}) {
        TextureImage image;
        ASSERT_TRUE(Read(bmp::Make(w, h, bits), &image));
        std::vector<unsigned char> scaled(ScaledPixelBytes(image) + 64, 0xA5);
        ASSERT_EQ(0, gluScaleImage(image.scaleFormat, w, h, GL_UNSIGNED_BYTE, image.pixels.data(),
                                   image.targetWidth, image.targetHeight, GL_UNSIGNED_BYTE,
                                   scaled.data()));
        EXPECT_EQ(std::count(scaled.end() - 64, scaled.end(), 0xA5), 64) << w << "x" << h;
    }
}

TEST_F(TextureUpload, MipmappedPictureKeepsItsColoursAndOnlyPureBlackIsSeeThrough) {
    // Blue x, red y, rows padded from 6 bytes to 8: only (0, 0) is pure black.
    const auto paint = [](int x, int y, unsigned char* p) { p[0] = x, p[2] = y; };
    EXPECT_EQ(Load(bmp::Make(2, 2, 24, paint), LoadTextureMipmapped), std::tuple(2, 2, 8));
    std::vector<unsigned char> texels(16);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels,
              (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 1, 255, 1, 0, 0, 255, 1, 0, 1, 255}));
    EXPECT_EQ(Get(GL_TEXTURE_WIDTH, 1), 1);  // the mipmap chain
    EXPECT_EQ(Get(GL_TEXTURE_MIN_FILTER, -1), GL_LINEAR_MIPMAP_NEAREST);
    // Without pure black it is stored without alpha, so the frame can draw it unblended.
    EXPECT_EQ(Load(bmp::Make(64, 32, 24), LoadTextureMipmapped), std::tuple(64, 32, 0));
    EXPECT_TRUE(AllTexels({5, 245, 10, 255}));
}

TEST_F(TextureUpload, BuiltInRoundTripLoadsThroughPlantedLinksAndLeavesNoFiles) {
    GLuint texture = CreateBlankTexture();  // the ripple overlay's: transparent black
    EXPECT_EQ(std::pair(Get(GL_TEXTURE_WIDTH), Get(GL_TEXTURE_HEIGHT)), std::pair(128, 128));
    EXPECT_TRUE(AllTexels({0, 0, 0, 0}));
    LoadBuiltInTexture(165, m_dir.path(), "Water", &texture);  // not in the asset set
    EXPECT_EQ(Get(GL_TEXTURE_WIDTH), 0);
    if (AssetResourceBytes(154).empty())
        GTEST_SKIP() << "no embedded assets";
    // Links planted at both file names must not send the bytes into the file they point at.
    TempDir elsewhere;
    WriteFileBytes(elsewhere.file("victim"), "keep me");
    for (const char* name : {"fish0.ad", "fish0.bmp"})
        fs::create_symlink(elsewhere.file("victim"), m_dir.file(name));
    LoadBuiltInTexture(154, m_dir.path(), "BackGround0", &texture, true);  // has no pure black
    EXPECT_EQ(std::pair(Get(GL_TEXTURE_WIDTH) > 0, Get(GL_TEXTURE_ALPHA_SIZE)), std::pair(true, 0));
    for (int i = 0; i <= 20; ++i) {  // the 20 skins, then the bubble
        const std::string name = i < 20 ? "fish" + std::to_string(i) : "Particle1";
        LoadBuiltInTexture(i < 20 ? 10000 + i : 166, m_dir.path(), name, &texture);
        EXPECT_GT(Get(GL_TEXTURE_WIDTH), 0) << name;
    }
    EXPECT_EQ(ReadFileBytes(elsewhere.file("victim")), "keep me");
    EXPECT_TRUE(fs::is_empty(m_dir.path()));
}

}  // namespace
