#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/FoodPellet.h"
#include "scene/Terrain.h"

namespace {

const GLuint kNoTextures[kSpeciesCount] = {};

// A scene's arrays in a 1024 x 768 tank; two guard fish after the 50 slots that nothing may touch.
struct Tank {
    CFish fish[kMaxFish + 2];
    CFoodPellet food[kFoodPelletCount];
    float snapshot[kMaxFish][3] = {};
    FishTankRefs refs{fish, food, snapshot, -49.0f, 49.0f, -21.0f, 21.0f, -50.0f, 0.0f};
    int counts[kSpeciesCount] = {};
    void Frame() { RunFishFrame(refs, counts, kNoTextures, false); }
};

// Puts a fish at (x, y, z) swimming straight along x (towards -x when minX), head and boxes set.
void Aim(CFish& f, float x, float y, float z, bool minX, int size = 4) {
    const float pos[3] = {x, y, z}, half = size * 0.321915f;
    std::copy(pos, pos + 3, f.m_vPos);
    std::copy(pos, pos + 3, f.m_vHead);
    f.m_vHead[0] += minX ? -half : half;
    f.m_fHeading = f.m_fHeadingTarget = minX ? 0.0f : 180.0f;
    f.m_bFacesMinX = f.m_bAimsMinX = minX;
    f.m_bFacesMaxX = f.m_bAimsMaxX = !minX;
    f.m_nSize = size;
    f.m_fPitchTarget = 0.0f;
    for (int k = 0; k < 3; ++k) {
        f.m_outerMin[k] = pos[k] - 2.0f * half;
        f.m_outerMax[k] = pos[k] + 2.0f * half;
    }
}

CFoodPellet& PutPellet(Tank& tank, int k, float x, float y, float z) {
    CFoodPellet& p = tank.food[k];
    p.SetActive(true);
    p.m_fAlive = 1.0f;
    p.m_fX = p.m_fY = 0.0f;
    p.m_vWorld[0] = x, p.m_vWorld[1] = y, p.m_vWorld[2] = z;
    return p;
}

}  // namespace

TEST(FishFrame, NoFishWithCountsZeroFirstOfEachSpeciesSizeEightAtMostFifty) {
    Tank tank;
    for (CFish& f : tank.fish)
        f.m_nSize = 3;
    tank.Frame();  // all counts 0: nothing steps
    EXPECT_EQ(tank.fish[0].m_nSize, 3);
    EXPECT_EQ(tank.fish[0].m_vPos[0], 0.0f);
    tank.counts[0] = 2, tank.counts[2] = 3, tank.counts[3] = -4, tank.counts[19] = 1;
    tank.Frame();
    const int size[] = {8, 3, 8, 3, 3, 8, 3}, species[] = {0, 0, 2, 2, 2, 19, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(tank.fish[i].m_nSize == size[i] && tank.fish[i].m_nSpecies == species[i]) << i;

    const CFish guard = tank.fish[kMaxFish];
    std::fill(tank.counts, tank.counts + kSpeciesCount, 50);
    for (int frame = 0; frame < 20; ++frame)
        tank.Frame();
    for (int i = 1; i < kMaxFish; ++i)
        EXPECT_EQ(tank.fish[i].m_nSpecies, 0) << i;  // 50 of species 0 fill the tank
    EXPECT_EQ(std::memcmp(tank.fish[kMaxFish].m_vPos, guard.m_vPos, sizeof guard.m_vPos), 0);
}

TEST(FishContacts, HeadOnTheSmallerTurnsAboutSameWayTheOneAheadSpeedsUp) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, false);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_TRUE(tank.fish[0].m_bTouching && tank.fish[1].m_bTouching &&
                tank.fish[0].m_fHeadingTarget == 0.0f);
    EXPECT_FLOAT_EQ(tank.fish[1].m_fHeadingTarget, 360.0f);  // equal sizes: the second one
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true, 3);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, false, 5);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_TRUE(tank.fish[0].m_fHeadingTarget == -180.0f &&
                tank.fish[1].m_fHeadingTarget == 180.0f);

    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true);
    Aim(tank.fish[1], -1.0f, 0.0f, -60.0f, true);  // ahead of fish 0 towards -x
    tank.fish[0].m_fSpeed = tank.fish[1].m_fSpeed = 0.1f;
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_NEAR(tank.fish[1].m_fSpeed, 0.2f, 1e-6);
    EXPECT_NEAR(tank.fish[0].m_fSpeed, 0.1f, 1e-6);
}

TEST(FishContacts, CrossingFishTurnsAsideApartFishDoNotTouchAndCloseOnesTiltApart) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true);
    Aim(tank.fish[1], 0.5f, 0.0f, -60.5f, true);
    tank.fish[1].m_vHead[0] = 0.5f;  // fish 1 swims along z
    tank.fish[1].m_vHead[2] = -58.0f;
    ResolveFishContacts(tank.refs, 0, 2);
    const float turn = std::fabs(tank.fish[0].m_fHeadingTarget);
    EXPECT_TRUE(turn >= 10.0f && turn <= 19.0f) << turn;
    Aim(tank.fish[1], 20.0f, 0.0f, -60.0f, true);
    ResolveFishContacts(tank.refs, 0, 2);
    EXPECT_FALSE(tank.fish[0].m_bTouching);

    const float pos[3][3] = {{0, 2, -60}, {1, 0, -61}, {30, 0, -60}};
    std::memcpy(tank.snapshot, pos, sizeof pos);
    SeparateFish(tank.refs, 3);
    EXPECT_FLOAT_EQ(tank.fish[0].m_fPitchTarget, 1.0f);  // above its neighbour: nose up
    EXPECT_FLOAT_EQ(tank.fish[1].m_fPitchTarget, 0.0f);
    tank.snapshot[0][1] = -2.0f;
    SeparateFish(tank.refs, 3);
    SeparateFish(tank.refs, 1);  // fish out of use are not compared
    EXPECT_FLOAT_EQ(tank.fish[0].m_fPitchTarget, 0.0f);
}

TEST(FishFood, FishSteersTowardsAPelletAndSlowsNearIt) {
    Tank tank;
    CFish& fish = tank.fish[0];
    Aim(fish, 0.0f, 0.0f, -60.0f, true);  // head at x -1.29
    fish.m_fSpeed = 0.2f;
    CFoodPellet& pellet = PutPellet(tank, 3, -10.0f, 0.0f, -50.0f);  // 45 degrees ahead, near side
    SteerFishToFood(tank.refs, 0);
    EXPECT_TRUE(fish.m_bEating && fish.m_fHeadingTarget == 45.0f);
    EXPECT_NEAR(fish.m_fSpeed, 0.1f, 1e-6);

    Aim(fish, 0.0f, 0.0f, -60.0f, true);
    PutPellet(tank, 3, -10.0f, 5.0f, -60.0f);  // straight ahead and above: nose up
    SteerFishToFood(tank.refs, 0);
    EXPECT_FLOAT_EQ(fish.m_fPitchTarget, 45.0f);  // the steepest a fish climbs

    Aim(fish, 0.0f, 0.0f, -60.0f, true);
    PutPellet(tank, 3, 10.0f, 0.0f, -55.0f);  // behind: turns about towards +x
    SteerFishToFood(tank.refs, 0);
    EXPECT_LT(std::cos(fish.m_fHeadingTarget * 0.0174533f), -0.5f);

    Aim(fish, 0.0f, 0.0f, -60.0f, true);
    PutPellet(tank, 3, -2.5f, 0.0f, -60.0f);  // within 3 of the head: the slowest speed
    SteerFishToFood(tank.refs, 0);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.05f);

    pellet.SetActive(false);  // inactive pellets, like far ones, are left alone
    SteerFishToFood(tank.refs, 0);
    EXPECT_FALSE(fish.m_bEating);
}

TEST(FishFood, PelletNearTheHeadIsPulledInAndEatenOnlyAtTheMouth) {
    Tank tank;
    Aim(tank.fish[0], 0.0f, 0.0f, -60.0f, true);                  // head at (-1.29, 0, -60)
    CFoodPellet& near = PutPellet(tank, 0, -3.7f, 0.5f, -60.0f);  // within 3, not 2
    CFoodPellet& mouth = PutPellet(tank, 1, -2.5f, -1.0f, -62.0f);
    CFoodPellet& deep = PutPellet(tank, 2, -2.0f, 0.0f, -67.0f);  // 7 away in z
    CFoodPellet& far = PutPellet(tank, 3, -5.0f, 0.0f, -60.0f);
    CaptureFood(tank.refs, 0);
    EXPECT_TRUE(near.m_fX > 0.0f && near.m_fY < 0.0f);  // drawn towards the head
    EXPECT_TRUE(near.m_fAlive == 1.0f && deep.m_fAlive == 1.0f && deep.m_fX > 0.0f);
    EXPECT_FLOAT_EQ(mouth.m_fAlive, 0.0f);
    EXPECT_FLOAT_EQ(far.m_fX, 0.0f);
}

// 50 fish for 100 000 frames, with pellets dropping: all stays finite and within limits. Only a
// wall the fish aims at stops it, so a fish turning away from a wall it swims towards passes it
// until its heading has swung round: side and far walls by up to about 28 units, the near by 17.5.
TEST(FishSoak, FiftyFishStayWithinTheirLimitsAndEat) {
    int frames = 100000;
#if defined(__SANITIZE_ADDRESS__)
    frames = 20000;  // a fifth under the sanitizers, which run it many times slower
#endif
    SeedRand(1);
    Tank tank;
    std::fill(tank.counts, tank.counts + kSpeciesCount, 3);  // 60 asked for, 50 swim
    CTerrain().GenerateHeights(98, 50, 1);                   // the floor the fish are placed above
    PlaceFish(tank.refs);
    int dropCounter = 0, eaten = 0;
    float sides = 0.0f, far = 0.0f, near = 0.0f;
    for (int frame = 0; frame < frames; ++frame) {
        tank.Frame();
        for (CFoodPellet& p : tank.food) {
            eaten += p.IsActive() && p.m_fAlive == 0.0f && p.m_fY > -40.0f;
            if (p.IsActive())
                p.Draw();
        }
        AutoDropPellet(tank.food, dropCounter);
        for (int i = 0; i < kMaxFish; ++i) {
            const CFish& f = tank.fish[i];
            const float* pos = f.m_vPos;
            ASSERT_TRUE(std::isfinite(pos[0] + pos[1] + pos[2]) && pos[1] >= f.m_fBottom &&
                        pos[1] <= f.m_fTop && f.m_fSpeed >= 0.05f && f.m_fSpeed <= 0.2f &&
                        std::fabs(f.m_fPitchTarget) <= 45.0f &&
                        std::fabs(f.m_fHeadingTarget) <= 360.0f)
                << "frame " << frame << " fish " << i;
            sides = std::max({sides, f.m_fMinX - pos[0], pos[0] - f.m_fMaxX});
            far = std::max(far, 2.0f * f.m_fFront - pos[2]);
            near = std::max(near, pos[2] - f.m_fFront);
        }
    }
    EXPECT_TRUE(sides <= 29.0f && far <= 31.0f && near <= 19.0f)
        << sides << " past a side wall, " << far << " past the far, " << near << " the near";
    EXPECT_GT(eaten, 0);
}
