#include <gtest/gtest.h>

#include <cmath>

#include "fish/Fish.h"
#include "platform/Random.h"

namespace {

constexpr double kDeg = 0.017453292;

// A fish in the middle of a 1024 x 768 tank (x -49..49, y -16..31, z -82..-41), away from every
// limit and the deep band, with no wander decision for 200 frames.
CFish MidTankFish(float heading, float target, float pitchTarget) {
    SeedRand(1);
    CFish fish;
    fish.SetBounds(-49.0f, 49.0f, 21.0f, -21.0f, -41.0f);
    fish.m_vPos[0] = 0.0f;
    fish.m_vPos[1] = 5.0f;
    fish.m_vPos[2] = -58.0f;
    fish.m_fHeading = heading;
    fish.m_fHeadingTarget = target;
    fish.m_fLastTarget = target;
    fish.m_fPitchTarget = pitchTarget;
    fish.m_nDecideTick = 0;
    return fish;
}

void Step(CFish& fish, int frames) {
    for (int i = 0; i < frames; ++i)
        fish.UpdateAndDraw(0, false);
}

}  // namespace

TEST(FishSwim, NewFishTurnsTwoDegreesEveryThirdFrameWithTheBodyTrailing) {
    CFish fish = MidTankFish(0.0f, 100.0f, 0.0f);
    fish.m_fLastTarget = 0.0f;  // a new fish has not seen its target yet
    for (int frame = 1; frame <= 60; ++frame) {
        Step(fish, 1);
        ASSERT_FLOAT_EQ(fish.m_fHeading, 2.0f * (frame / 3)) << "frame " << frame;
    }
    // 40 degrees still to go: the tail lags the head by one degree a segment.
    const FishPose& pose = fish.Pose();
    EXPECT_FLOAT_EQ(pose.seg[0], 40.0f);
    EXPECT_FLOAT_EQ(pose.seg[13], 27.0f);
    EXPECT_FALSE(fish.m_bTurnDone);
}

TEST(FishSwim, TurnEndsWithinADegreeAndTheBodyCatchesUp) {
    CFish fish = MidTankFish(0.0f, 9.0f, 0.0f);
    fish.m_fLastTarget = 0.0f;
    Step(fish, 15);  // 2, 4, 6, 8, 9
    EXPECT_FLOAT_EQ(fish.m_fHeading, 9.0f);
    EXPECT_TRUE(fish.m_bTurnDone);
    Step(fish, 30);
    EXPECT_TRUE(fish.m_bBodySettled);
    for (int i = 0; i < kFishSegments; ++i)
        EXPECT_EQ(fish.m_nSegAngle[i], 9) << i;
}

TEST(FishSwim, ClimbsOnTheTargetPitchWhileTheDrawnPitchFollowsByADegree) {
    CFish fish = MidTankFish(0.0f, 0.0f, 30.0f);
    const float y0 = fish.m_vPos[1];
    for (int frame = 1; frame <= 40; ++frame) {
        Step(fish, 1);
        ASSERT_FLOAT_EQ(fish.m_fPitch, std::fmin(frame, 30)) << "frame " << frame;
        ASSERT_NEAR(fish.m_vPos[1], y0 + frame * std::sin(30 * kDeg) * 0.1, 1e-4);
    }
}

TEST(FishSwim, SideWallSetsTheFishInsideAndSnapsHeadingAndBodyNextFrame) {
    CFish fish = MidTankFish(0.0f, 0.0f, 0.0f);
    fish.m_vPos[0] = -48.95f;  // heading 0 swims towards -x, past the left limit this frame
    fish.m_nTurnTick = 1;      // the heading steps on frame 2 and next on frame 5
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_vPos[0], -47.0f);
    EXPECT_EQ(fish.m_nWallHit, 1);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 180.0f);
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_fHeading, 180.0f);
    for (int i = 0; i < kFishSegments; ++i) {
        EXPECT_FLOAT_EQ(fish.Pose().seg[i], 180.0f) << i;
        EXPECT_EQ(fish.m_nSegAngle[i], 180) << i;
    }
    EXPECT_NEAR(fish.m_vPos[0], -47.0f + 0.1f, 1e-5);  // and swims away at once
    // The body stays along the new heading while the turn completes.
    for (int frame = 0; frame < 6; ++frame) {
        Step(fish, 1);
        EXPECT_FLOAT_EQ(fish.Pose().seg[0], 180.0f);
        EXPECT_FLOAT_EQ(fish.Pose().seg[13], 180.0f);
    }
}

TEST(FishSwim, RightWallWhileATurnRunsOnlySetsTheFishBack) {
    CFish fish = MidTankFish(100.0f, 170.0f, 0.0f);  // faces and aims +x, mid-turn
    fish.m_vPos[0] = 48.99f;
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_vPos[0], 47.0f);
    EXPECT_EQ(fish.m_nWallHit, 2);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 170.0f);
}

TEST(FishSwim, TopAndBottomMirrorThePitchAndSlowTheFish) {
    CFish fish = MidTankFish(0.0f, 0.0f, 20.0f);
    fish.m_vPos[1] = 30.99f;
    fish.m_fSpeed = 0.2f;
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_vPos[1], 31.0f);
    EXPECT_EQ(fish.m_nWallHit, 5);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -20.0f);
    EXPECT_NEAR(fish.m_fSpeed, 0.1f, 1e-6);
    Step(fish, 1);
    EXPECT_LT(fish.m_vPos[1], 31.0f);  // heads down again

    CFish low = MidTankFish(0.0f, 0.0f, -20.0f);
    low.m_vPos[1] = -15.99f;
    low.m_fSpeed = 0.1f;
    Step(low, 1);
    EXPECT_FLOAT_EQ(low.m_vPos[1], -16.0f);
    EXPECT_EQ(low.m_nWallHit, 6);
    EXPECT_FLOAT_EQ(low.m_fPitchTarget, 20.0f);
    EXPECT_FLOAT_EQ(low.m_fSpeed, 0.05f);  // not below the slowest
}

TEST(FishSwim, FarAndNearLimitsStopTheFishAtTheLimit) {
    CFish fish = MidTankFish(270.0f, 270.0f, 0.0f);  // swims towards -z
    fish.m_vPos[2] = -81.95f;
    Step(fish, 1);
    EXPECT_FLOAT_EQ(fish.m_vPos[2], -82.0f);
    EXPECT_EQ(fish.m_nWallHit, 3);
    // Facing -x, a turn on the far side adds 0..14 degrees.
    EXPECT_GE(fish.m_fHeadingTarget, 270.0f);
    EXPECT_LE(fish.m_fHeadingTarget, 284.0f);
}

TEST(FishTurn, RequestsWhileATurnRunsAreIgnored) {
    CFish fish = MidTankFish(0.0f, 100.0f, 0.0f);
    for (int kind : {0, 1, 2, 5, 6, 7}) {
        fish.Turn(30.0f, true, kind);
        EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 100.0f) << "kind " << kind;
    }
    fish.m_fHeading = 99.95f;  // within 0.1: the turn is over
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 280.0f);
}

TEST(FishTurn, KindsChangeTheTargetAsTheirTablesSay) {
    CFish fish = MidTankFish(200.0f, 200.0f, 0.0f);
    fish.Turn(0.0f, false, 1);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 20.0f);

    fish = MidTankFish(10.0f, 10.0f, 0.0f);
    fish.m_bFacesMinX = true;
    fish.Turn(0.0f, true, 6);  // side equals facing -x: subtract
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, -170.0f);
    fish.m_fHeading = -170.0f;
    fish.Turn(25.7f, false, 7);  // the other side: add, whole degrees
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, -145.0f);

    fish = MidTankFish(350.0f, 350.0f, 0.0f);
    fish.m_bFacesMinX = false;
    fish.Turn(0.0f, true, 6);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 360.0f);  // limited to 360

    fish = MidTankFish(100.0f, 100.0f, 0.0f);
    for (int i = 0; i < 50; ++i) {
        fish.m_fHeading = fish.m_fHeadingTarget = 100.0f;
        fish.Turn(0.0f, false, 5);
        const float d = std::fabs(fish.m_fHeadingTarget - 100.0f);
        EXPECT_GE(d, 10.0f);
        EXPECT_LE(d, 19.0f);
    }
    fish.m_fHeading = fish.m_fHeadingTarget = 100.0f;
    fish.Turn(0.0f, false, 3);  // no such kind
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 100.0f);
}

TEST(FishTurn, QuarterTurnOnlyInTheDeepBand) {
    CFish fish = MidTankFish(100.0f, 100.0f, 0.0f);
    fish.m_vPos[2] = -58.0f;
    fish.Turn(0.0f, false, 4);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 100.0f);
    const float zs[] = {-60.5f, -89.0f};
    for (float z : zs) {
        fish.m_vPos[2] = z;
        fish.m_fHeading = fish.m_fHeadingTarget = 100.0f;
        fish.Turn(0.0f, false, 4);
        EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 190.0f);
    }
    fish.m_vPos[2] = -75.0f;  // the band's middle is outside it
    EXPECT_FALSE(fish.InDeepBand());
    fish.m_vPos[2] = -70.0f;
    const float targets[][2] = {{250.0f, 160.0f}, {-10.0f, -100.0f}, {-200.0f, -110.0f}};
    for (const auto& t : targets) {
        fish.m_fHeading = fish.m_fHeadingTarget = t[0];
        fish.Turn(0.0f, false, 4);
        EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, t[1]) << t[0];
    }
}

TEST(FishTilt, KindSevenIgnoresChangesPastNinetyAndResultsStayWithin45) {
    CFish fish = MidTankFish(0.0f, 0.0f, 40.0f);
    fish.Tilt(60.0f, true, 7);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 40.0f);
    fish.Tilt(50.0f, true, 7);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 45.0f);
    fish.m_fPitchTarget = -40.0f;
    fish.Tilt(60.0f, false, 7);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -40.0f);
    fish.Tilt(30.0f, false, 7);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -45.0f);
    fish.m_fPitchTarget = 10.0f;
    fish.Tilt(20.0f, true, 7);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 30.0f);
}

TEST(FishTilt, OtherKinds) {
    CFish fish = MidTankFish(0.0f, 0.0f, 12.0f);
    fish.Tilt(0.0f, false, 3);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -12.0f);
    fish.Tilt(0.0f, true, 5);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -11.0f);
    fish.Tilt(0.0f, false, 5);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, -12.0f);
    for (int i = 0; i < 40; ++i) {
        const float before = fish.m_fPitchTarget;
        fish.Tilt(0.0f, false, 0);  // 15..29 towards the other sign
        const float d = fish.m_fPitchTarget - before;
        if (before > 0.0f) {
            EXPECT_TRUE(d <= -15.0f || fish.m_fPitchTarget == -45.0f) << before;
        } else {
            EXPECT_TRUE(d >= 15.0f || fish.m_fPitchTarget == 45.0f) << before;
        }
        EXPECT_LE(std::fabs(d), 29.0f);
    }
}

TEST(FishSpeed, ApproachOvershootsAndStaysWithinLimits) {
    CFish fish = MidTankFish(0.0f, 0.0f, 0.0f);
    fish.m_fSpeed = 0.05f;
    fish.ApproachSpeed(0.1f, 0.1f);
    EXPECT_NEAR(fish.m_fSpeed, 0.05f, 1e-6);
    fish.Startle();
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.2f);
    fish.ApproachSpeed(0.05f, 0.1f);
    EXPECT_NEAR(fish.m_fSpeed, 0.15f, 1e-6);
}

TEST(FishSize, ResizeGrowsToEightAndShrinkStopsAtOne) {
    CFish fish = MidTankFish(0.0f, 0.0f, 0.0f);
    fish.m_nSize = 3;
    fish.Resize(0.1f, true, true);
    EXPECT_EQ(fish.m_nSize, 8);
    fish.Resize(1.0f, true, false);
    EXPECT_EQ(fish.m_nSize, 8);
    fish.m_nSize = 2;
    fish.Resize(1.0f, false, false);
    EXPECT_EQ(fish.m_nSize, 1);
    fish.Resize(1.0f, false, false);
    EXPECT_EQ(fish.m_nSize, 1);
    fish.Resize(0.1f, true, false);  // a fraction of a step changes nothing
    EXPECT_EQ(fish.m_nSize, 1);
}

TEST(FishConstruction, FirstFishOfTheClassicSequence) {
    // 41, 18467, 6334, 26500, 19169 are the sequence's first numbers.
    SeedRand(1);
    CFish fish;
    EXPECT_EQ(fish.m_nSize, 41 % 7 + 2);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 18467 % 45);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 6334 % 180);
    EXPECT_EQ(fish.m_nFinTick, 26500 % 15);
    EXPECT_EQ(fish.m_nDecideTick, 19169 % 200);
    EXPECT_TRUE(fish.m_bFinRest);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.1f);
}

TEST(FishPose, PairedFinsBeatAndFinWavesTravel) {
    CFish fish = MidTankFish(0.0f, 0.0f, 0.0f);
    fish.m_nSize = 5;
    int rest = 0, beat = 0, phaseSteps = 0;
    float lastWave = 0.0f;
    for (int frame = 0; frame < 140; ++frame) {
        Step(fish, 1);
        const FishPose& pose = fish.Pose();
        if (pose.fin1[3] == 0.0f) {
            ++rest;
        } else {
            EXPECT_NEAR(pose.fin1[3], 5 * 0.003f * 3, 1e-6);
            ++beat;
        }
        EXPECT_FLOAT_EQ(pose.fin1[0], 0.0f);  // the root never moves
        if (pose.wave1[1] != lastWave)
            ++phaseSteps;
        lastWave = pose.wave1[1];
        EXPECT_LE(std::fabs(pose.wave3[4]), 0.04f + 1e-6);
        EXPECT_FLOAT_EQ(pose.wave3[0], 0.0f);
    }
    // The fins flip every 16..25 frames; wave 1 moves on every 7th frame.
    EXPECT_GT(rest, 30);
    EXPECT_GT(beat, 30);
    EXPECT_GE(phaseSteps, 18);
    EXPECT_LE(phaseSteps, 21);
}
