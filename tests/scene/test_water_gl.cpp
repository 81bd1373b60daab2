#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "WaterGl.h"
#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/BubbleSystem.h"
#include "scene/RippleOverlay.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

GlTestContext& Context() {
    static GlTestContext ctx;
    return ctx;
}

size_t DifferingBytes(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    return std::inner_product(a.begin(), a.end(), b.begin(), size_t{0}, std::plus<>(),
                              std::not_equal_to<>());
}

}  // namespace

// The grid is drawn as one batch of triangles, and the background step splits it by texture
// filter and leaves blending off where it cannot change a pixel: each must give exactly the
// pixels of one polygon per cell, with and without holes in the picture.
TEST(WaterGl, FastGridDrawingsGiveThePixelsOfOnePolygonPerCell) {
    MEROW_REQUIRE_GL(Context());
    struct Case {
        int side, w, h;
        bool holes;
    };
    for (const Case c :
         {Case{512, 840, 525, false}, Case{1024, 800, 820, false}, Case{512, 840, 525, true}}) {
        GlFrameBuffer frame(c.w, c.h);
        SetUpTankGlState();
        const GLuint tex = MakePictureTexture(c.side, true, c.holes);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        glClearColor(0.3f, 0.6f, 0.2f, 0.5f);  // something for blending to show
        SeedRand(1);
        CRippleSurface water;
        water.Init(c.w, c.h);
        for (int f = 0; f < 90; ++f) {  // waves of every age
            BackgroundRainDrop(water, c.w, c.h);
            BackgroundRippleStep(water, c.w, c.h);
        }
        std::vector<std::uint8_t> pictures[3];
        for (int variant = 0; variant < 3; ++variant) {
            BeginTankFrame(c.w, c.h);
            glPushMatrix();
            glTranslatef(0.0f, 0.0f, -110.0f);
            glScalef(64.0f, 40.0f, 1.0f);
            variant == 0 ? DrawRippleCellsAsPolygons(water) : water.Draw();
            glPopMatrix();
            if (variant == 2) {
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                DrawBackgroundGrid(water, tex, 64.0f);
            }
            pictures[variant] = frame.Read();
        }
        EXPECT_TRUE(pictures[0] == pictures[1]) << "texture " << c.side;
        EXPECT_TRUE(pictures[0] == pictures[2])
            << "texture " << c.side << (c.holes ? " holes" : "");
        GLint filter = 0;  // the state the rest of the frame relies on comes back
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_TRUE(filter == GL_LINEAR_MIPMAP_NEAREST && glIsEnabled(GL_BLEND));
        glDeleteTextures(1, &tex);
    }
}

TEST(WaterGl, OverlayShowsTheFrameThroughTheWaves) {
    MEROW_REQUIRE_GL(Context());
    const int w = 640, h = 400;
    GlFrameBuffer frame(w, h);
    SetUpTankGlState();
    BeginTankFrame(w, h);
    GLuint tex[2] = {MakePictureTexture(512, false), 0};
    CRippleSurface water;
    water.Init(w, h);
    DrawBackgroundGrid(water, tex[0], 64.0f);  // the frame so far: a still picture
    const std::vector<std::uint8_t> scene = frame.Read();
    glGenTextures(1, &tex[1]);  // the 128 x 128 texture the overlay starts with
    glBindTexture(GL_TEXTURE_2D, tex[1]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    RippleOverlay(water, tex[1], w, h);
    EXPECT_EQ(DifferingBytes(frame.Read(), scene), 0u);  // still water shows it as it is
    water.Drop(w / 2, h / 2);
    for (int n = 0; n < 150; ++n)
        water.Step();
    RippleOverlay(water, tex[1], w, h);
    const std::vector<std::uint8_t> rippled = frame.Read();
    EXPECT_GT(DifferingBytes(rippled, scene), static_cast<size_t>(w * h / 20));
    EXPECT_TRUE(std::equal(&rippled[0], &rippled[80], &scene[0]));  // not reached by the wave
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteTextures(2, tex);
}

TEST(Bubbles, CountComesFromTheSettingWithinRange) {
    EXPECT_EQ(BubbleCountFromSetting(100), 900);
    EXPECT_EQ(BubbleCountFromSetting(-50), 1000);
    EXPECT_EQ(BubbleCountFromSetting(5000), 0);
}

// A bubble that never fades would rise for ever; the frame's bubbles start again at the source
// when they reach the water's surface, so the streams keep going however long the tank runs.
TEST(Bubbles, StreamsShowAndStartAgainAtTheSurfaceSoTheyNeverRunDry) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(160, 100);
    SetUpTankGlState();
    BeginTankFrame(160, 100, false);
    glDisable(GL_TEXTURE_2D);
    const std::vector<std::uint8_t> empty = frame.Read();
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(900));
    b.PreWarm(100, 900);
    const float source[3] = {0.0f, -5.0f, -40.0f};
    DrawBubbleStreams(b, source, 900, 21.0f);
    EXPECT_GT(DifferingBytes(frame.Read(), empty), 50u);
    b.PreWarm(60000, 900);  // twenty minutes of frames
    for (int i = 0; i < 900; ++i)
        ASSERT_LE(source[1] + b.m_pParticles[i].m_vPos[1], 21.0f) << i;
    glEnable(GL_TEXTURE_2D);
}

// Bubbles add their light to the water behind them. Fog may fade that light with distance, but
// it must never turn the dark corners of their squares into the fog's white.
TEST(Bubbles, FogFadesThemAndNeverLightsUpTheirSquares) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(160, 100);
    SetUpTankGlState();
    TempDir assets;
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(900));
    b.LoadTexture(assets.path());
    auto light = [&](bool fog) {
        SeedRand(1);
        b.Init(900);
        b.PreWarm(100, 900);
        BeginTankFrame(160, 100, fog);
        glFogf(GL_FOG_DENSITY, 0.0125f);  // the thickest fog
        const float source[3] = {0.0f, -5.0f, -40.0f};
        DrawBubbleStreams(b, source, 900, 21.0f);
        const std::vector<std::uint8_t> pixels = frame.Read();
        long sum = 0;
        for (size_t i = 0; i < pixels.size(); ++i)
            sum += i % 4 == 3 ? 0 : pixels[i];
        return sum;
    };
    const long clear = light(false), foggy = light(true);
    EXPECT_GT(clear, 0);
    EXPECT_LE(foggy, clear);
    glDeleteTextures(1, &b.m_nTexture);
}
