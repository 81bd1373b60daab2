// The frame draws the background picture first and without depth; it must give exactly the
// pixels of the picture drawn, depth-tested, after the fish (drawn one vertex at a time, which
// leaves their last normal to light the picture).
#include <gtest/gtest.h>

#include <vector>

#include "WaterGl.h"
#include "fish/Fish.h"
#include "fish/FishBody.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/FoodPellet.h"
#include "scene/RippleSurface.h"
#include "scene/SceneLight.h"
#include "support/GlTestContext.h"

namespace {

constexpr int kWidth = 320, kHeight = 200;

GlTestContext& Context() {
    static GlTestContext ctx;
    return ctx;
}

// A few fish of different species spread through the front half of the tank.
struct SmallTank {
    CFish fish[kMaxFish];
    CFoodPellet food[kFoodPelletCount];
    float snapshot[kMaxFish][3] = {};
    int counts[kSpeciesCount] = {};

    SmallTank() {
        counts[0] = 2;
        counts[7] = 1;
        counts[15] = 1;
        const float places[4][3] = {{-12, 4, -25}, {8, -6, -30}, {0, 10, -40}, {14, 3, -20}};
        for (int i = 0; i < 4; ++i) {
            fish[i].SetBounds(-49, 49, 21, -21, -41);
            for (int c = 0; c < 3; ++c)
                fish[i].m_vPos[c] = places[i][c];
        }
    }
    FishTankRefs refs() { return {fish, food, snapshot, -49, 49, -21, 21, -50, 0}; }
};

std::vector<std::uint8_t> RenderFrame(const GlFrameBuffer& frame, bool backgroundFirst,
                                      int lightLevel, bool fog, const CRippleSurface& water,
                                      GLuint picture, const GLuint skins[kSpeciesCount]) {
    SeedRand(1);
    SmallTank tank;
    FishTankRefs refs = tank.refs();
    BeginTankFrame(kWidth, kHeight, fog);
    const float light = LightComponent(lightLevel);
    for (int c = 0; c < 3; ++c)
        g_lightAmbient[c] = g_lightDiffuse[c] = light;
    glLightfv(GL_LIGHT1, GL_AMBIENT, g_lightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, g_lightDiffuse);
    // Whatever an earlier frame left must not matter.
    glNormal3f(0.3f, -0.9f, 0.1f);
    const float scaleX = 40.0f * kWidth / kHeight;
    if (backgroundFirst) {
        DrawBackgroundBehindAll(water, picture, scaleX, light);
        SetFishSubmit(FishSubmit::Arrays);
        RunFishFrame(refs, tank.counts, skins, true);
    } else {
        SetFishSubmit(FishSubmit::Immediate);
        RunFishFrame(refs, tank.counts, skins, true);
        glBindTexture(GL_TEXTURE_2D, picture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_MIRRORED_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_MIRRORED_REPEAT);
        DrawBackgroundGrid(water, picture, scaleX);
    }
    glFinish();
    SetFishSubmit(FishSubmit::Arrays);
    return frame.Read();
}

TEST(BackgroundOrder, FirstWithoutDepthGivesThePixelsOfAfterTheFishWithDepth) {
    MEROW_REQUIRE_GL(Context());
    GlFrameBuffer frame(kWidth, kHeight);
    ASSERT_TRUE(frame.complete());
    SetUpTankGlState();
    const GLuint picture = MakePictureTexture(256, true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    GLuint skins[kSpeciesCount];
    for (GLuint& skin : skins)
        skin = MakePictureTexture(64, false);

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
    for (const Case c :
         {Case{0, false}, Case{0, true}, Case{30, false}, Case{50, true}, Case{85, false}}) {
        SCOPED_TRACE("light level " + std::to_string(c.lightLevel) + (c.fog ? " fog" : ""));
        const auto reference =
            RenderFrame(frame, false, c.lightLevel, c.fog, water, picture, skins);
        const auto fast = RenderFrame(frame, true, c.lightLevel, c.fog, water, picture, skins);
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
    glDeleteTextures(kSpeciesCount, skins);
}

}  // namespace
