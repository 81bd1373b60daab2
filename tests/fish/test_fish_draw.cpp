#include <gtest/gtest.h>

#include "fish/Fish.h"
#include "fish/FishBody.h"
#include "platform/Random.h"
#include "scene/WaterGl.h"  // tests/scene
#include "support/GlTestContext.h"

// The fish reach GL in one call per fish, with the body faces turned away from the eye left out;
// that must give exactly the pixels of one glBegin/glEnd per strip.
TEST(FishDraw, ArraysDrawTheSamePixelsAsImmediateStrips) {
    GlTestContext ctx;
    MEROW_REQUIRE_GL(ctx);
    const int w = 240, h = 160;
    GlFrameBuffer frame(w, h);
    SetUpTankGlState();
    const GLuint skin = MakePictureTexture(256, false);
    BeginTankFrame(w, h);
    const std::vector<std::uint8_t> empty = frame.Read();
    const float views[][4] = {{0, 0, 1, 0}, {90, 1, 0, 0}, {90, 0, 1, 0}, {-35, 1, 1, 0}};
    for (int species : {0, 1, 4, 7, 8, 17}) {
        for (const auto& v : views) {
            std::vector<std::uint8_t> pictures[2];
            for (FishSubmit mode : {FishSubmit::Immediate, FishSubmit::Arrays}) {
                SetFishSubmit(mode);
                SeedRand(5);
                CFish fish;  // bent, mid-turn, pitched, fins out
                fish.m_nSize = 8, fish.m_fHeading = 30.0f, fish.m_fPitch = 10.0f;
                fish.m_fHeadingTarget = fish.m_fLastTarget = 110.0f;
                fish.m_bFinRest = false;
                BeginTankFrame(w, h);
                glPushMatrix();
                glTranslatef(0.0f, 0.0f, -22.0f);
                glRotatef(v[0], v[1], v[2], v[3]);
                glBindTexture(GL_TEXTURE_2D, skin);
                fish.UpdateAndDraw(species);
                glPopMatrix();
                pictures[mode == FishSubmit::Arrays] = frame.Read();
            }
            EXPECT_TRUE(pictures[0] != empty);
            EXPECT_TRUE(pictures[0] == pictures[1]) << "species " << species << " view " << v[0];
        }
    }
    SetFishSubmit(FishSubmit::Arrays);
    glDeleteTextures(1, &skin);
}
