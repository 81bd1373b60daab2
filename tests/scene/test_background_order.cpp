// The frame draws the background picture first and without depth; it must give exactly the
// pixels of a depth-tested picture drawn after the fish and before the pellets.
#include <gtest/gtest.h>

#include "WaterGl.h"
#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/RippleSurface.h"
#include "scene/SceneLight.h"
#include "support/GlTestContext.h"

namespace {

constexpr int kWidth = 320, kHeight = 200;

GlTestContext& Context() {
    static GlTestContext ctx;
    return ctx;
}

// A lit, textured quad standing in for a fish, at depth z.
void DrawLitQuad(GLuint texture, float x, float y, float z, float half) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glNormal3f(0.3f, 0.4f, 0.866f);
    glTexCoord2f(0, 0);
    glVertex3f(x - half, y - half, z);
    glTexCoord2f(1, 0);
    glVertex3f(x + half, y - half, z);
    glTexCoord2f(1, 1);
    glVertex3f(x + half, y + half, z + 2.0f);
    glTexCoord2f(0, 1);
    glVertex3f(x - half, y + half, z + 2.0f);
    glEnd();
}

// An untextured, unlit disc-like quad standing in for a pellet, drawn after the picture.
void DrawPellet(float x, float y, float z) {
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor3ub(243, 225, 159);
    glBegin(GL_QUADS);
    glVertex3f(x - 1, y - 1, z);
    glVertex3f(x + 1, y - 1, z);
    glVertex3f(x + 1, y + 1, z);
    glVertex3f(x - 1, y + 1, z);
    glEnd();
    glColor3ub(255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}

std::vector<std::uint8_t> RenderFrame(const GlFrameBuffer& frame, bool backgroundFirst,
                                      int lightLevel, bool fog, const CRippleSurface& water,
                                      GLuint picture, GLuint skin) {
    BeginTankFrame(kWidth, kHeight, fog);
    const float light = LightComponent(lightLevel);
    for (int c = 0; c < 3; ++c)
        g_lightAmbient[c] = g_lightDiffuse[c] = light;
    glLightfv(GL_LIGHT1, GL_AMBIENT, g_lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, g_lightDiffuse);
    glNormal3f(0.0f, 0.0f, 1.0f);
    const float scaleX = 40.0f * kWidth / kHeight;
    if (backgroundFirst)
        DrawBackgroundBehindAll(water, picture, scaleX, light);
    DrawLitQuad(skin, -6.0f, 2.0f, -30.0f, 5.0f);
    DrawLitQuad(skin, 5.0f, -3.0f, -45.0f, 8.0f);
    if (!backgroundFirst) {
        glNormal3f(0.0f, 0.0f, 1.0f);
        glBindTexture(GL_TEXTURE_2D, picture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        DrawBackgroundGrid(water, picture, scaleX);
    }
    DrawPellet(1.0f, 1.0f, -60.0f);
    glFinish();
    return frame.Read();
}

TEST(BackgroundOrder, FirstWithoutDepthGivesThePixelsOfAfterWithDepth) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(kWidth, kHeight);
    ASSERT_TRUE(frame.complete());
    SetUpTankGlState();
    const GLuint picture = MakePictureTexture(256, true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    const GLuint skin = MakePictureTexture(64, false);

    CRippleSurface water;
    water.Init(kWidth, kHeight);
    SeedRand(1);
    for (int step = 0; step < 40; ++step) {
        water.Drop(Rand() % kWidth, Rand() % kHeight);
        water.Step();
    }
    struct Case {
        int lightLevel;
        bool fog;
    };
    for (const Case c : {Case{0, false}, Case{0, true}, Case{50, false}, Case{85, true}}) {
        SCOPED_TRACE("light level " + std::to_string(c.lightLevel) + (c.fog ? " fog" : ""));
        const auto reference = RenderFrame(frame, false, c.lightLevel, c.fog, water, picture, skin);
        const auto fast = RenderFrame(frame, true, c.lightLevel, c.fog, water, picture, skin);
        ASSERT_EQ(reference.size(), fast.size());
        size_t differing = 0;
        for (size_t i = 0; i < reference.size(); ++i)
            differing += reference[i] != fast[i];
        EXPECT_EQ(differing, 0u);
        // The state the rest of the frame relies on comes back.
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        GLint env = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
        EXPECT_EQ(env, GL_MODULATE);
    }
    glDeleteTextures(1, &picture);
    glDeleteTextures(1, &skin);
}

}  // namespace
