#include <gtest/gtest.h>

#include "fish/Fish.h"
#include "platform/Random.h"

namespace {

// A fish mid-tank (x -49..49, y -16..31, z -82..-41) with no wander decision for 200 frames.
CFish MidTankFish(float heading, float target, float pitchTarget) {
    SeedRand(1);
    CFish fish;
    fish.SetBounds(-49.0f, 49.0f, 21.0f, -21.0f, -41.0f);
    fish.m_vPos[1] = 5.0f;
    fish.m_vPos[2] = -58.0f;
    fish.m_fHeading = heading;
    fish.m_fHeadingTarget = fish.m_fLastTarget = target;
    fish.m_fPitchTarget = pitchTarget;
    fish.m_nDecideTick = 0;
    return fish;
}

void Step(CFish& fish, int frames) {
    for (int i = 0; i < frames; ++i)
        fish.UpdateAndDraw(0, false);
}

}  // namespace

TEST(FishSwim, TurnsTwoDegreesEveryThirdFrameWithTheBodyTrailingThenCatchingUp) {
    CFish fish = MidTankFish(0.0f, 100.0f, 0.0f);
    for (int frame = 1; frame <= 60; ++frame) {
        Step(fish, 1);
        ASSERT_FLOAT_EQ(fish.m_fHeading, 2.0f * (frame / 3)) << "frame " << frame;
    }
    // 60 degrees still to go: the tail lags the head by one degree a segment.
    EXPECT_FLOAT_EQ(fish.Pose().seg[0], 40.0f);
    EXPECT_FLOAT_EQ(fish.Pose().seg[13], 27.0f);
    Step(fish, 110);  // at 100 after 150 frames; the body then catches up within a few
    EXPECT_FLOAT_EQ(fish.m_fHeading, 100.0f);
    for (int i = 0; i < kFishSegments; ++i)
        EXPECT_FLOAT_EQ(fish.Pose().seg[i], 100.0f) << i;
}

TEST(FishSwim, SideWallSetsTheFishInsideAndSnapsHeadingAndBodyNextFrame) {
    CFish fish = MidTankFish(0.0f, 0.0f, 0.0f);
    fish.m_vPos[0] = -48.95f;  // heading 0 swims towards -x, past the left limit this frame
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_vPos[0], -47.0f);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 180.0f);  // turned about
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < kFishSegments; ++i)
        EXPECT_FLOAT_EQ(fish.Pose().seg[i], 180.0f) << i;
    EXPECT_NEAR(fish.m_vPos[0], -46.9f, 1e-5);  // and swims away at once

    CFish turning = MidTankFish(100.0f, 170.0f, 0.0f);  // towards +x, mid-turn
    turning.m_vPos[0] = 48.99f;
    Step(turning, 1);
    EXPECT_FLOAT_EQ(turning.m_vPos[0], 47.0f);
    EXPECT_FLOAT_EQ(turning.m_fHeadingTarget, 170.0f);  // a running turn is kept
}

TEST(FishSwim, TopAndBottomMirrorThePitchAndSlowTheFish) {
    CFish fish = MidTankFish(0.0f, 0.0f, 20.0f);
    fish.m_vPos[1] = 30.95f;
    fish.m_fSpeed = 0.2f;
    Step(fish, 1);  // climbs on the target pitch at once
    EXPECT_FLOAT_EQ(fish.m_vPos[1], 31.0f);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -20.0f);  // and from now on dives
    EXPECT_NEAR(fish.m_fSpeed, 0.1f, 1e-6);

    CFish low = MidTankFish(0.0f, 0.0f, -20.0f);
    low.m_vPos[1] = -15.99f;
    Step(low, 1);
    EXPECT_FLOAT_EQ(low.m_vPos[1], -16.0f);
    EXPECT_FLOAT_EQ(low.m_fPitchTarget, 20.0f);
    EXPECT_FLOAT_EQ(low.m_fSpeed, 0.05f);  // not below the slowest
}
