// The texture loaders against a real GL context: what GL ends up holding, and that every loader
// leaves its texture bound, image or not.

#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BmpFiles.h"
#include "scene/Assets.h"
#include "scene/Textures.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

class TextureUpload : public ::testing::Test {
protected:
    void SetUp() override { MEROW_REQUIRE_GL(m_gl); }

    // Writes the file, loads it with `loader` and checks the result is the bound texture.
    GLuint Load(const std::string& file, void (*loader)(const std::string&, GLuint*)) {
        const std::string path = m_dir.file("picture.bmp");
        WriteFileBytes(path, file);
        GLuint texture = 0;
        loader(path, &texture);
        EXPECT_NE(texture, 0u);
        EXPECT_EQ(Bound(), static_cast<GLint>(texture));
        return texture;
    }

    static GLint Bound() {
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        return bound;
    }

    static GLint Level(GLenum what, GLint level = 0) {
        GLint value = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &value);
        return value;
    }

    static GLint Parameter(GLenum what) {
        GLint value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, what, &value);
        return value;
    }

    // Level 0 of the bound texture as RGBA bytes.
    static std::vector<unsigned char> Texels() {
        std::vector<unsigned char> texels(
            static_cast<std::size_t>(Level(GL_TEXTURE_WIDTH) * Level(GL_TEXTURE_HEIGHT)) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }

    void ExpectSize(int width, int height, int alphaBits) {
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), width);
        EXPECT_EQ(Level(GL_TEXTURE_HEIGHT), height);
        EXPECT_EQ(Level(GL_TEXTURE_ALPHA_SIZE), alphaBits);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    GlTestContext m_gl;
    TempDir m_dir;
};

// A flat colour given in file order (blue, green, red).
bmp::Painter Flat(unsigned char b, unsigned char g, unsigned char r) {
    return [=](int, int, unsigned char* p) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    };
}

void ExpectAllTexels(const std::vector<unsigned char>& texels, std::vector<int> rgba) {
    ASSERT_FALSE(texels.empty());
    for (std::size_t i = 0; i < texels.size(); i += 4) {
        const std::vector<int> got(texels.begin() + i, texels.begin() + i + 4);
        ASSERT_EQ(got, rgba) << "texel " << i / 4;
    }
}

TEST_F(TextureUpload, TwentyFourBitPowerOfTwoKeepsSizeAndColour) {
    Load(bmp::Make(256, 256, 24, Flat(10, 20, 30)), LoadTexture);
    ExpectSize(256, 256, 0);
    ExpectAllTexels(Texels(), {30, 20, 10, 255});
    EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(Parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(TextureUpload, OddSizesAreScaledToPowersOfTwo) {
    // Whatever the rest of the program left in the pixel store, the rows still line up.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    struct Case {
        int width, height, fittedWidth, fittedHeight;
    };
    for (const Case& c : {Case{300, 200, 512, 256}, Case{1024, 1024, 512, 512}, Case{1, 1, 2, 2},
                          Case{5, 3, 8, 4}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        Load(bmp::Make(c.width, c.height, 24, Flat(200, 100, 50)), LoadTexture);
        ExpectSize(c.fittedWidth, c.fittedHeight, 0);
        ExpectAllTexels(Texels(), {50, 100, 200, 255});
    }
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

TEST_F(TextureUpload, EightBitGoesThroughThePalette) {
    // Palette entry 40: blue 40, green 215, red 20.
    Load(bmp::Make(64, 64, 8, [](int, int, unsigned char* p) { *p = 40; }), LoadTexture);
    ExpectSize(64, 64, 0);
    ExpectAllTexels(Texels(), {20, 215, 40, 255});
}

TEST_F(TextureUpload, ThirtyTwoBitKeepsItsAlpha) {
    Load(bmp::Make(64, 64, 32,
                   [](int, int, unsigned char* p) {
                       p[0] = 1;
                       p[1] = 2;
                       p[2] = 3;
                       p[3] = 128;
                   }),
         LoadTexture);
    ExpectSize(64, 64, 8);
    ExpectAllTexels(Texels(), {3, 2, 1, 128});
}

TEST_F(TextureUpload, BadFilesLeaveAnEmptyBoundTexture) {
    std::string tall = bmp::Make(16, 16, 24);
    bmp::PutU32(tall, bmp::kHeight, 1000);
    for (const std::string& file : {std::string("BM"), std::string(100, 'x'), tall}) {
        Load(file, LoadTexture);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
        Load(file, LoadTextureMipmapped);
        EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
    }
    GLuint texture = 0;
    LoadTexture(m_dir.file("missing.bmp"), &texture);
    EXPECT_EQ(Bound(), static_cast<GLint>(texture));
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureUpload, MipmappedBackgroundHasAFullChainAndSeeThroughBlack) {
    // Left half pure black, right half red 0, green 0, blue 1.
    Load(bmp::Make(64, 32, 24,
                   [](int x, int, unsigned char* p) {
                       p[0] = x < 32 ? 0 : 1;
                       p[1] = p[2] = 0;
                   }),
         LoadTextureMipmapped);
    ExpectSize(64, 32, 8);
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH, 6), 1);
    EXPECT_EQ(Parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(Parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(Parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(Parameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    const std::vector<unsigned char> texels = Texels();
    EXPECT_EQ(std::vector<int>(texels.begin(), texels.begin() + 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(std::vector<int>(texels.begin() + 63 * 4, texels.begin() + 64 * 4),
              (std::vector<int>{0, 0, 1, 255}));
}

TEST_F(TextureUpload, MipmappedPictureWithoutBlackIsStoredOpaque) {
    Load(bmp::Make(64, 32, 24, Flat(1, 0, 0)), LoadTextureMipmapped);
    ExpectSize(64, 32, 0);
    ExpectAllTexels(Texels(), {0, 0, 1, 255});
    // One pure black pixel brings the alpha channel back.
    Load(bmp::Make(64, 32, 24,
                   [](int x, int y, unsigned char* p) { p[0] = p[1] = p[2] = (x || y) ? 9 : 0; }),
         LoadTextureMipmapped);
    EXPECT_EQ(Level(GL_TEXTURE_ALPHA_SIZE), 8);
}

TEST_F(TextureUpload, BlankTextureIsTransparentBlack) {
    const GLuint texture = CreateBlankTexture();
    EXPECT_EQ(Bound(), static_cast<GLint>(texture));
    ExpectSize(128, 128, 8);
    ExpectAllTexels(Texels(), {0, 0, 0, 0});
}

TEST_F(TextureUpload, BuiltInRoundTripLeavesNoFiles) {
    // 165 is not in the asset set: the texture stays empty and start-up goes on.
    GLuint water = 0;
    LoadBuiltInTexture(165, m_dir.path(), "Water", &water);
    EXPECT_EQ(Bound(), static_cast<GLint>(water));
    EXPECT_EQ(Level(GL_TEXTURE_WIDTH), 0);
    if (AssetResourceBytes(154).empty())
        GTEST_SKIP() << "no embedded assets";

    GLuint background = 0;
    LoadBuiltInTexture(154, m_dir.path(), "BackGround0", &background, true);
    EXPECT_GT(Level(GL_TEXTURE_WIDTH), 0);
    // The built-in picture has no pure black, so it is stored opaque and drawn unblended.
    EXPECT_EQ(Level(GL_TEXTURE_ALPHA_SIZE), 0);
    for (int i = 0; i < 20; ++i) {
        GLuint skin = 0;
        LoadBuiltInTexture(10000 + i, m_dir.path(), "fish" + std::to_string(i), &skin);
        EXPECT_GT(Level(GL_TEXTURE_WIDTH), 0) << "fish" << i;
        EXPECT_LE(Level(GL_TEXTURE_WIDTH), 512) << "fish" << i;
    }
    GLuint particle = 0;
    LoadBuiltInTexture(166, m_dir.path(), "Particle1", &particle);
    EXPECT_GT(Level(GL_TEXTURE_WIDTH), 0);
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
}

}  // namespace
