#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/FoodPellet.h"

namespace {

// A scene's arrays, with guard fish after the 50 slots that no pass may touch.
struct Tank {
    CFish fish[kMaxFish + 2];
    CFoodPellet food[kFoodPelletCount];
    float snapshot[kMaxFish][3] = {};
    FishTankRefs refs{fish, food, snapshot, -49.0f, 49.0f, -21.0f, 21.0f, -50.0f, 0.0f};

    Tank() {
        for (CFish& f : fish) {
            f.SetBounds(-49.0f, 49.0f, 21.0f, -21.0f, -41.0f);
            f.m_nDecideTick = 0;
        }
    }
};

// Puts a fish at pos swimming straight along x (towards -x when minX), its head and boxes set.
void Aim(CFish& f, float x, float y, float z, bool minX, int size) {
    f.m_vPos[0] = x;
    f.m_vPos[1] = y;
    f.m_vPos[2] = z;
    f.m_fHeading = f.m_fHeadingTarget = minX ? 0.0f : 180.0f;
    f.m_bFacesMinX = f.m_bAimsMinX = minX;
    f.m_bFacesMaxX = f.m_bAimsMaxX = !minX;
    f.m_nSize = size;
    const float half = size * 0.321915f;
    f.m_vHead[0] = minX ? x - half : x + half;
    f.m_vHead[1] = y;
    f.m_vHead[2] = z;
    for (int k = 0; k < 3; ++k) {
        f.m_outerMin[k] = f.m_vPos[k] - 2.0f * half;
        f.m_outerMax[k] = f.m_vPos[k] + 2.0f * half;
    }
}

const GLuint kNoTextures[kSpeciesCount] = {};

}  // namespace

TEST(FishRanges, CountsAreClippedToTheFiftySlotsInSpeciesOrder) {
    int counts[kSpeciesCount] = {};
    counts[0] = 30;
    counts[1] = 30;
    counts[2] = 5;
    counts[3] = -4;  // a bad file value counts as none
    int start[kSpeciesCount], end[kSpeciesCount];
    EXPECT_EQ(BuildSpeciesRanges(counts, start, end), 50);
    EXPECT_EQ(start[1], 30);
    EXPECT_EQ(end[1], 50);
    EXPECT_EQ(start[2], end[2]);
    EXPECT_EQ(end[19], 50);
    const int none[kSpeciesCount] = {};
    EXPECT_EQ(BuildSpeciesRanges(none, start, end), 0);
}

TEST(FishFrame, TotalsAboveFiftyStayWithinTheSlots) {
    Tank tank;
    const CFish guard = tank.fish[kMaxFish];
    int counts[kSpeciesCount];
    for (int& c : counts)
        c = 50;
    for (CFish& f : tank.fish)
        f.m_nSize = 3;
    for (int frame = 0; frame < 20; ++frame)
        RunFishFrame(tank.refs, counts, kNoTextures, false);
    EXPECT_EQ(tank.fish[0].m_nSize, 8);
    for (int i = 1; i < kMaxFish; ++i) {
        EXPECT_EQ(tank.fish[i].m_nSize, 3) << i;
        EXPECT_EQ(tank.fish[i].m_nSpecies, 0) << i;
    }
    EXPECT_EQ(std::memcmp(tank.fish[kMaxFish].m_vPos, guard.m_vPos, sizeof guard.m_vPos), 0);
    EXPECT_EQ(tank.fish[kMaxFish].m_nSize, 3);
}

TEST(FishFrame, FirstFishOfEachSpeciesIsSizeEight) {
    Tank tank;
    int counts[kSpeciesCount] = {};
    counts[0] = 2;
    counts[2] = 3;
    counts[19] = 1;
    for (CFish& f : tank.fish)
        f.m_nSize = 3;
    RunFishFrame(tank.refs, counts, kNoTextures, false);
    const int expectSize[] = {8, 3, 8, 3, 3, 8, 3};
    const int expectSpecies[] = {0, 0, 2, 2, 2, 19, 0};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(tank.fish[i].m_nSize, expectSize[i]) << i;
        if (i < 6) {
            EXPECT_EQ(tank.fish[i].m_nSpecies, expectSpecies[i]) << i;
        }
    }
}

TEST(FishFrame, AllCountsZeroStepsNothing) {
    Tank tank;
    tank.fish[0].m_vPos[0] = 5.0f;
    tank.snapshot[0][0] = 7.0f;
    const int counts[kSpeciesCount] = {};
    SeedRand(3);
    RunFishFrame(tank.refs, counts, kNoTextures, false);
    const int next = Rand();
    SeedRand(3);
    EXPECT_EQ(next, Rand()) << "no random number drawn";
    EXPECT_FLOAT_EQ(tank.fish[0].m_vPos[0], 5.0f);
    EXPECT_FLOAT_EQ(tank.snapshot[0][0], 7.0f);
}

TEST(FishContacts, EqualSizesHeadOnTheSecondFishTurnsAbout) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 4);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, false, 4);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_TRUE(tank.fish[0].m_bTouching);
    EXPECT_TRUE(tank.fish[1].m_bTouching);
    EXPECT_FLOAT_EQ(tank.fish[0].m_fHeadingTarget, 0.0f);
    EXPECT_FLOAT_EQ(tank.fish[1].m_fHeadingTarget, 360.0f);  // 180 + 180

    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 3);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, false, 5);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_FLOAT_EQ(tank.fish[0].m_fHeadingTarget, -180.0f);  // the smaller one
    EXPECT_FLOAT_EQ(tank.fish[1].m_fHeadingTarget, 180.0f);
}

TEST(FishContacts, SameWayTheFishAheadSpeedsUp) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 4);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, true, 4);  // ahead of fish 0 towards -x
    tank.fish[0].m_fSpeed = 0.1f;
    tank.fish[1].m_fSpeed = 0.1f;
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_NEAR(tank.fish[1].m_fSpeed, 0.2f, 1e-6);
    EXPECT_NEAR(tank.fish[0].m_fSpeed, 0.1f, 1e-6);
}

TEST(FishContacts, CrossingFishTurnsAsideAndApartFishDoNotTouch) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 4);
    Aim(tank.fish[1], 0.5f, 0.0f, -60.5f, true, 4);
    tank.fish[1].m_vHead[0] = 0.5f;  // fish 1 swims along z
    tank.fish[1].m_vHead[2] = -58.0f;
    EXPECT_NEAR(FishAxisAngle(tank.fish[0], tank.fish[1], 2), 90.0f, 0.01);
    ResolveFishContacts(tank.refs, 0, 2);
    const float d = tank.fish[0].m_fHeadingTarget;
    EXPECT_GE(std::fabs(d), 10.0f);
    EXPECT_LE(std::fabs(d), 19.0f);

    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 4);
    Aim(tank.fish[1], 20.0f, 0.0f, -60.0f, true, 4);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_FALSE(tank.fish[0].m_bTouching);
}

TEST(FishSeparation, CloseFishTiltApartByADegree) {
    Tank tank;
    for (int i = 0; i < 3; ++i)
        tank.fish[i].m_fPitchTarget = 0.0f;
    const float pos[3][3] = {{0, 2, -60}, {1, 0, -61}, {30, 0, -60}};
    std::memcpy(tank.snapshot, pos, sizeof pos);
    SeparateFish(tank.refs, 3);
    EXPECT_FLOAT_EQ(tank.fish[0].m_fPitchTarget, 1.0f);  // above its neighbour: nose up
    EXPECT_FLOAT_EQ(tank.fish[1].m_fPitchTarget, 0.0f);
    EXPECT_FLOAT_EQ(tank.fish[2].m_fPitchTarget, 0.0f);
    tank.snapshot[0][1] = -2.0f;
    SeparateFish(tank.refs, 3);
    EXPECT_FLOAT_EQ(tank.fish[0].m_fPitchTarget, 0.0f);
    SeparateFish(tank.refs, 1);  // fish out of use are not compared
    EXPECT_FLOAT_EQ(tank.fish[0].m_fPitchTarget, 0.0f);
}

TEST(FishFood, AnglesFromTheirDefinitions) {
    const float p1[3] = {3.0f, 4.0f, 0.0f};
    EXPECT_FLOAT_EQ(FoodElevationAngle(p1), 53.0f);
    const float p2[3] = {-3.0f, 4.0f, 0.0f};
    EXPECT_FLOAT_EQ(FoodElevationAngle(p2), 37.0f);
    const float p3[3] = {0.0f, -2.0f, 0.0f};
    EXPECT_FLOAT_EQ(FoodElevationAngle(p3), 270.0f);
    const float p4[3] = {-5.0f, 0.0f, 0.0f};
    EXPECT_FLOAT_EQ(FoodElevationAngle(p4), 180.0f);
    const float p5[3] = {0.0f, 0.0f, 0.0f};
    EXPECT_FLOAT_EQ(FoodElevationAngle(p5), 0.0f);

    CFish fish;
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);
    const float ahead[3] = {-10.0f, 3.0f, -60.0f};
    EXPECT_NEAR(FoodBearingAngle(fish, ahead), 0.0f, 1e-4);
    const float side[3] = {-10.0f, 0.0f, -50.0f};
    EXPECT_NEAR(FoodBearingAngle(fish, side), 45.0f, 1e-3);
}

TEST(FishFood, SteersTowardsAPelletAndSlowsNearIt) {
    Tank tank;
    CFish& fish = tank.fish[0];
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);
    fish.m_fPitchTarget = 0.0f;
    CFoodPellet& pellet = tank.food[3];
    pellet.SetActive(true);
    pellet.m_fAlive = 1.0f;
    pellet.m_vWorld[0] = -10.0f;
    pellet.m_vWorld[1] = 0.0f;
    pellet.m_vWorld[2] = -50.0f;
    fish.m_fSpeed = 0.2f;
    SteerFishToFood(tank.refs, 0);
    EXPECT_TRUE(fish.m_bEating);
    EXPECT_NEAR(fish.m_fSpeed, 0.1f, 1e-6);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, 45.0f);  // towards +z, where the pellet is

    // Straight ahead and above: pitch up by the pellet's elevation, limited to 45.
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);
    pellet.m_vWorld[1] = 5.0f;
    pellet.m_vWorld[2] = -60.0f;
    SteerFishToFood(tank.refs, 0);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 45.0f);

    // Behind the fish: it turns about towards it.
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);
    pellet.m_vWorld[0] = 10.0f;
    pellet.m_vWorld[1] = 0.0f;
    pellet.m_vWorld[2] = -55.0f;
    SteerFishToFood(tank.refs, 0);
    const float e = FoodBearingAngle(fish, pellet.m_vWorld);
    EXPECT_FLOAT_EQ(fish.m_fHeadingTarget, -static_cast<int>(180.0f - e));

    // Within 3 of the head: the slowest speed.
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);
    pellet.m_vWorld[0] = -2.5f;
    pellet.m_vWorld[2] = -60.0f;
    SteerFishToFood(tank.refs, 0);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);

    // Far away or inactive pellets leave it alone.
    pellet.m_vWorld[0] = -40.0f;
    SteerFishToFood(tank.refs, 0);
    EXPECT_FALSE(fish.m_bEating);
    pellet.m_vWorld[0] = -2.0f;
    pellet.SetActive(false);
    SteerFishToFood(tank.refs, 0);
    EXPECT_FALSE(fish.m_bEating);
}

TEST(FishFood, PelletNearTheHeadIsPulledInAndEaten) {
    Tank tank;
    CFish& fish = tank.fish[0];
    Aim(fish, 0.0f, 0.0f, -60.0f, true, 4);  // head at (-1.29, 0, -60)
    CFoodPellet& near = tank.food[0];
    CFoodPellet& close = tank.food[1];
    CFoodPellet& deep = tank.food[2];
    const float worlds[3][3] = {{-3.7f, 0.5f, -60.0f}, {-2.5f, -1.0f, -62.0f}, {-2.0f, 0, -67.0f}};
    CFoodPellet* pellets[3] = {&near, &close, &deep};
    for (int k = 0; k < 3; ++k) {
        pellets[k]->SetActive(true);
        pellets[k]->m_fAlive = 1.0f;
        pellets[k]->m_fX = pellets[k]->m_fY = 0.0f;
        std::memcpy(pellets[k]->m_vWorld, worlds[k], sizeof worlds[k]);
    }
    CaptureFood(tank.refs, 0);
    const float headX = fish.m_vHead[0];
    EXPECT_NEAR(near.m_fX, 0.005f * (headX + 3.7f), 1e-6);  // within 3: pulled
    EXPECT_NEAR(near.m_fY, 0.005f * -0.5f, 1e-6);
    EXPECT_FLOAT_EQ(near.m_fAlive, 1.0f);   // not within 2
    EXPECT_FLOAT_EQ(close.m_fAlive, 0.0f);  // within 2, 2 and 5: eaten
    EXPECT_NEAR(deep.m_fX, 0.005f * (headX + 2.0f), 1e-6);
    EXPECT_FLOAT_EQ(deep.m_fAlive, 1.0f);  // 7 away in z: pulled, not eaten
}
