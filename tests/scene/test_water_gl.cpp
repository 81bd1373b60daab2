#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "WaterGl.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/BubbleSystem.h"
#include "scene/FoodPellet.h"
#include "scene/RippleFilterSplit.h"
#include "scene/RippleOverlay.h"
#include "scene/RippleSurface.h"
#include "scene/Terrain.h"
#include "support/GlTestContext.h"

namespace {

GlTestContext& Context() {
    static GlTestContext ctx;
    return ctx;
}

struct GlState {
    GLint blendSrc, blendDst, texture;
    GLfloat texCoord[4], colour[4];
    bool operator==(const GlState& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

GlState ReadState() {
    GlState s{};
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture);
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, s.texCoord);
    glGetFloatv(GL_CURRENT_COLOR, s.colour);
    return s;
}

void ScrambleState() {
    glBlendFunc(GL_ONE, GL_ZERO);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexCoord2f(0.3f, 0.7f);
    glColor4f(0.2f, 0.4f, 0.6f, 1.0f);
}

size_t DifferingPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size(); i += 4)
        n += std::memcmp(&a[i], &b[i], 3) != 0;
    return n;
}

}  // namespace

TEST(WaterGl, RedroppedPelletKeepsOneDisplayList) {
    MEROW_REQUIRE_GL(Context());
    CFoodPellet p;
    std::set<GLuint> names;
    for (int n = 0; n < 200; ++n) {
        p.DropAt(0.0f, 0.0f, -50.0f);
        ASSERT_NE(p.m_nList, 0u);
        names.insert(p.m_nList);
    }
    EXPECT_TRUE(glIsList(p.m_nList));
    for (GLuint name : names) {
        if (name != p.m_nList) {
            EXPECT_FALSE(glIsList(name)) << name;
        }
    }
    glDeleteLists(p.m_nList, 1);
}

TEST(WaterGl, BubbleCountZeroDrawsNothingYetLeavesTheBlendFunction) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(64, 64);
    ASSERT_TRUE(frame.complete());
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(1000));
    const std::vector<std::uint8_t> before = frame.Read();
    glBlendFunc(GL_ONE, GL_ZERO);
    SeedRand(3);
    const int first = Rand();
    SeedRand(3);
    b.Render(0);
    EXPECT_EQ(Rand(), first);  // no jitter drawn
    EXPECT_EQ(DifferingPixels(frame.Read(), before), 0u);
    GLint src = 0, dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
}

TEST(WaterGl, BubblesShowWhenRendered) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(160, 100);
    SetUpTankGlState();
    BeginTankFrame(160, 100, false);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    const std::vector<std::uint8_t> empty = frame.Read();
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(1000));
    b.SetColoured(false);
    const float source[3] = {0.0f, -5.0f, -40.0f};
    b.PreWarm(100, 900);
    DrawBubbleStreams(b, source, 900);
    EXPECT_GT(DifferingPixels(frame.Read(), empty), 50u);
    glEnable(GL_TEXTURE_2D);
}

TEST(WaterGl, PreWarmMatchesRenderingInParticlesRandomsAndState) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(64, 64);
    for (bool coloured : {false, true}) {
        for (int count : {900, 0}) {
            CBubbleSystem drawn, warmed;
            SeedRand(1);
            ASSERT_TRUE(drawn.Init(1000));
            SeedRand(1);
            ASSERT_TRUE(warmed.Init(1000));
            drawn.SetColoured(coloured);
            warmed.SetColoured(coloured);
            drawn.m_nTexture = warmed.m_nTexture = 7;

            ScrambleState();
            for (int n = 0; n < 60; ++n)
                drawn.Render(count);
            const int nextDrawn = Rand();
            const GlState stateDrawn = ReadState();

            SeedRand(1);
            CBubbleSystem skip;
            ASSERT_TRUE(skip.Init(1000));  // the same Init draws
            ScrambleState();
            warmed.PreWarm(60, count);
            const int nextWarmed = Rand();
            const GlState stateWarmed = ReadState();

            EXPECT_EQ(nextDrawn, nextWarmed) << coloured << " " << count;
            EXPECT_TRUE(stateDrawn == stateWarmed) << coloured << " " << count;
            EXPECT_EQ(drawn.m_nCount, warmed.m_nCount);
            EXPECT_EQ(std::memcmp(drawn.m_pParticles.get(), warmed.m_pParticles.get(),
                                  1000 * sizeof(Particle)),
                      0)
                << coloured << " " << count;
        }
    }
}

TEST(WaterGl, GridDrawsTheSamePixelsAsOnePolygonPerCell) {
    MEROW_REQUIRE_GL(Context());
    const int w = 840, h = 525;
    GlFrameBuffer frame(w, h);
    ASSERT_TRUE(frame.complete());
    SetUpTankGlState();
    const GLuint tex = MakePictureTexture(512, true);
    CRippleSurface water;
    water.Init(w, h);
    water.Drop(w / 2, h / 2);
    water.Drop(w / 5, h / 3);
    for (int n = 0; n < 70; ++n)
        water.Step();

    std::vector<std::uint8_t> pictures[2];
    for (int variant = 0; variant < 2; ++variant) {
        BeginTankFrame(w, h);
        glPushMatrix();
        glBindTexture(GL_TEXTURE_2D, tex);
        glTranslatef(0.0f, 0.0f, -110.0f);
        glScalef(64.0f, 40.0f, 1.0f);
        if (variant == 0) {
            DrawRippleCellsAsPolygons(water);
        } else {
            water.Draw();
        }
        glPopMatrix();
        pictures[variant] = frame.Read();
    }
    EXPECT_EQ(DifferingPixels(pictures[0], pictures[1]), 0u);
    glDeleteTextures(1, &tex);
}

TEST(WaterGl, OverlayShowsTheFrameThroughTheWaves) {
    MEROW_REQUIRE_GL(Context());
    const int w = 640, h = 400;
    GlFrameBuffer frame(w, h);
    ASSERT_TRUE(frame.complete());
    SetUpTankGlState();
    BeginTankFrame(w, h);
    glEnable(GL_SCISSOR_TEST);  // a checkerboard of 40-pixel squares
    for (int y = 0; y < h; y += 40) {
        for (int x = 0; x < w; x += 40) {
            glScissor(x, y, 40, 40);
            const float c = ((x + y) / 40) % 2 ? 1.0f : 0.2f;
            glClearColor(c, 0.5f, 1.0f - c, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
        }
    }
    glDisable(GL_SCISSOR_TEST);
    const std::vector<std::uint8_t> scene = frame.Read();

    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);

    CRippleSurface water;
    water.Init(w, h);
    RippleOverlay(water, tex, w, h);
    // Without waves the frame stays as it was.
    EXPECT_EQ(DifferingPixels(frame.Read(), scene), 0u);
    GLint texWidth = 0, texHeight = 0, mode = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texWidth);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &texHeight);
    EXPECT_EQ(texWidth, 1024);
    EXPECT_EQ(texHeight, 512);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    water.Drop(w / 2, h / 2);
    for (int n = 0; n < 150; ++n)
        water.Step();
    const int ageBefore = water.m_nAge[0];
    RippleOverlay(water, tex, w, h);
    EXPECT_EQ(water.m_nAge[0], ageBefore + 2);  // the overlay steps the waves too
    const std::vector<std::uint8_t> rippled = frame.Read();
    EXPECT_GT(DifferingPixels(rippled, scene), static_cast<size_t>(w * h / 20));
    // The corner the wave has not reached yet stays put.
    EXPECT_EQ(std::memcmp(&rippled[0], &scene[0], 4 * 20), 0);
    glDeleteTextures(1, &tex);
}

TEST(WaterGl, FilterSplitDrawsTheSamePixelsAndRestoresTheFilter) {
    MEROW_REQUIRE_GL(Context());
    // The picture at about one texel per pixel (as the built-in one at full screen), and at a
    // density where the waves push many cells past the base level.
    const struct { int side, w, h; } cases[] = {{512, 840, 525}, {1024, 800, 820}};
    for (const auto& c : cases) {
        GlFrameBuffer frame(c.w, c.h);
        ASSERT_TRUE(frame.complete());
        SetUpTankGlState();
        const GLuint tex = MakePictureTexture(c.side, true);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        SeedRand(1);
        CRippleSurface water;
        water.Init(c.w, c.h);
        for (int f = 0; f < 200; ++f) {
            BackgroundRainDrop(water, c.w, c.h);
            if (f % 50 == 49) {
                std::vector<std::uint8_t> pictures[2];
                for (int variant = 0; variant < 2; ++variant) {
                    BeginTankFrame(c.w, c.h);
                    glPushMatrix();
                    glTranslatef(0.0f, 0.0f, -110.0f);
                    glScalef(64.0f, 40.0f, 1.0f);
                    if (variant == 0) {
                        water.Draw();
                    } else {
                        DrawRippleGridSplitByFilter(water);
                    }
                    glPopMatrix();
                    pictures[variant] = frame.Read();
                }
                EXPECT_EQ(DifferingPixels(pictures[0], pictures[1]), 0u)
                    << "texture " << c.side << " frame " << f;
                GLint filter = 0;
                glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
                EXPECT_EQ(filter, GL_LINEAR_MIPMAP_NEAREST);
            }
            BackgroundRippleStep(water, c.w, c.h);
        }
        glDeleteTextures(1, &tex);
    }
}

TEST(WaterGl, FloorAndBackgroundMeshesCompile) {
    MEROW_REQUIRE_GL(Context());
    SetUpTankGlState();
    std::vector<ShownMessage> messages;
    CaptureMessageBoxes(&messages);
    CTerrain floor;
    floor.Generate(108, 50, 1);  // no asset folder: heights and mesh only
    CaptureMessageBoxes(nullptr);
    EXPECT_TRUE(messages.empty());
    ASSERT_NE(floor.m_nList, 0u);
    EXPECT_TRUE(glIsList(floor.m_nList));

    BackgroundMesh mesh;
    BuildBackgroundMeshPoints(mesh, -54.0f, 54.0f, -21.0f, 21.0f);
    CompileBackgroundMesh(mesh);
    EXPECT_TRUE(glIsList(mesh.m_nList));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteLists(floor.m_nList, 1);
    glDeleteLists(mesh.m_nList, 1);
}

TEST(WaterGl, BackgroundStepDrawsWhatThePolygonGridDraws) {
    MEROW_REQUIRE_GL(Context());
    const int w = 840, h = 525;
    GlFrameBuffer frame(w, h);
    ASSERT_TRUE(frame.complete());
    SetUpTankGlState();
    for (bool holes : {false, true}) {
        const GLuint tex = MakePictureTexture(512, true, holes);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        CRippleSurface reference, water;
        reference.Init(w, h);
        water.Init(w, h);
        for (int f = 1; f <= 80; ++f) {
            const bool look = f % 40 == 0;
            std::vector<std::uint8_t> pictures[2];
            for (int variant = 0; variant < 2; ++variant) {
                SeedRand(f);
                BeginTankFrame(w, h);
                glClearColor(0.3f, 0.6f, 0.2f, 0.5f);  // something for blending to show
                glClear(GL_COLOR_BUFFER_BIT);
                if (variant == 0) {
                    BackgroundRainDrop(reference, w, h);
                    if (look) {
                        glPushMatrix();
                        glBindTexture(GL_TEXTURE_2D, tex);
                        glTranslatef(0.0f, 0.0f, -110.0f);
                        glScalef(64.0f, 40.0f, 1.0f);
                        DrawRippleCellsAsPolygons(reference);
                        glPopMatrix();
                    }
                    BackgroundRippleStep(reference, w, h);
                } else {
                    BackgroundRainDrop(water, w, h);
                    DrawBackgroundGrid(water, tex, 64.0f);
                    BackgroundRippleStep(water, w, h);
                }
                if (look)
                    pictures[variant] = frame.Read();
            }
            if (look) {
                EXPECT_EQ(DifferingPixels(pictures[0], pictures[1]), 0u)
                    << (holes ? "with" : "without") << " alpha, frame " << f;
                EXPECT_TRUE(glIsEnabled(GL_BLEND));
            }
        }
        glDeleteTextures(1, &tex);
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
}
