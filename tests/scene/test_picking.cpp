#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "app/ToolModes.h"
#include "fish/Fish.h"
#include "scene/FishPicking.h"
#include "scene/FoodPellet.h"
#include "scene/ProbePicking.h"
#include "scene/WaterGl.h"  // tests/scene
#include "support/GlTestContext.h"

constexpr int kW = 1024, kH = 768;  // the tank of a 1024 x 768 screen: x -49..49, y -21..21

// Where world point p shows on the frame, in mouse pixels (y downwards).
static std::array<int, 2> PixelOf(double px, double py, double pz) {
    double mv[16], pr[16], wx, wy, wz;
    const GLint vp[4] = {0, 0, kW, kH};
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    gluProject(px, py, pz, mv, pr, vp, &wx, &wy, &wz);
    return {static_cast<int>(std::lround(wx)), kH - static_cast<int>(std::lround(wy))};
}

// The matrices, the render mode and the colour (opaque white: lit fish take it as their
// material), which the tools must leave as they were.
static std::vector<float> GlState() {
    std::vector<float> s(37);
    glGetFloatv(GL_MODELVIEW_MATRIX, s.data());
    glGetFloatv(GL_PROJECTION_MATRIX, s.data() + 16);
    glGetFloatv(GL_CURRENT_COLOR, s.data() + 32);
    glGetFloatv(GL_RENDER_MODE, s.data() + 36);
    return s;
}

class Picking : public ::testing::Test {
protected:
    void SetUp() override {
        MEROW_REQUIRE_GL(ctx);
        frame = std::make_unique<GlFrameBuffer>(kW, kH);
        SetUpTankGlState();
        BeginTankFrame(kW, kH);
    }
    static void Put(CFish& f, float x, float y, float z, int size = 8) {
        f.m_vPos[0] = x, f.m_vPos[1] = y, f.m_vPos[2] = z, f.m_nSize = size;
    }
    GlTestContext ctx;
    std::unique_ptr<GlFrameBuffer> frame;
    CFish fish[kMaxFish];
    int counts[kSpeciesCount] = {};
};

TEST_F(Picking, TouchStartlesOnlyTheFishUnderThePointerDrawnWithItsOwnShapeAndUnstepped) {
    counts[0] = counts[7] = counts[12] = 1;  // slot 1 is species 7, whose height is doubled
    Put(fish[0], -25, -8, -55), Put(fish[1], 6, 3, -50), Put(fish[2], 25, 10, -45);
    const int finTick = fish[1].m_nFinTick;        // counts every step of the fish
    const auto [x, y] = PixelOf(5, 3 - 2.8, -50);  // below the belly of a fish of usual height
    const std::vector<float> state = GlState();
    bool held = true;
    EXPECT_EQ(RunFishTool(kModeTouch, held, fish, counts, x, y), 1);
    EXPECT_FALSE(held);  // one press, one pick
    EXPECT_TRUE(GlState() == state);
    EXPECT_FLOAT_EQ(fish[1].m_fSpeed, 0.2f);
    EXPECT_FLOAT_EQ(fish[0].m_fSpeed + fish[2].m_fSpeed, 0.2f);  // the others keep 0.1
    EXPECT_EQ(fish[1].m_nFinTick, finTick);
}

TEST_F(Picking, TheNearerOfTwoFishOnTheSameRayIsPickedWhateverTheirOrder) {
    counts[3] = 2;
    for (int nearSlot : {0, 1}) {  // enlarged, then shrunk: size 4 to 5, then to 3
        Put(fish[nearSlot], 0, 0, -30, 4), Put(fish[1 - nearSlot], 0, 0, -60, 4);
        bool held = true;
        const int mode = nearSlot == 0 ? kModeEnlarge : kModeShrink;
        EXPECT_EQ(RunFishTool(mode, held, fish, counts, kW / 2, kH / 2), nearSlot);
        EXPECT_EQ(fish[nearSlot].m_nSize * 10 + fish[1 - nearSlot].m_nSize, 54 - 20 * nearSlot);
    }
}

TEST_F(Picking, AFeedClickDropsAPelletUnderThePointerAndIsUsedUpWhenAllAreFalling) {
    ProbeSweep probes;
    PlaceProbes(probes, -49, 49, -21, 21);
    CFoodPellet food[kFoodPelletCount];
    const auto [mx, my] = PixelOf(3.2, 2.3, kPickDepth);  // pointed at (3.2, 2.3) at drop depth
    const std::vector<std::uint8_t> picture = frame->Read();
    const std::vector<float> state = GlState();
    bool feed = false;
    ProbeStep step{probes, -49, 49, -21, 21, mx, my, feed, false, false, food};
    RunProbeStep(step);
    EXPECT_TRUE(frame->Read() == picture);  // the sweeping strips are not seen
    feed = true;
    for (int f = 0; f < 100 && feed; ++f)
        RunProbeStep(step);
    ASSERT_FALSE(feed);
    EXPECT_TRUE(GlState() == state);
    ASSERT_TRUE(food[0].IsActive());
    EXPECT_NEAR(food[0].m_vDrop[0], 3.2, 1.25);
    EXPECT_NEAR(food[0].m_vDrop[1], 2.3 - 2, 1.25);  // drops 2 below the point
    EXPECT_EQ(food[0].m_vDrop[2], kPickDepth);
    EXPECT_FALSE(food[1].IsActive());
    for (CFoodPellet& pellet : food)
        pellet.DropAt(0, 10, -50), pellet.SetActive(true);
    feed = true;
    for (int f = 0; f < 100 && feed; ++f)
        RunProbeStep(step);
    EXPECT_FALSE(feed);
    for (const CFoodPellet& pellet : food)
        EXPECT_EQ(pellet.m_vDrop[1], 10);
}
