#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/FoodPellet.h"
#include "scene/Terrain.h"

namespace {

constexpr double kDeg = 0.017453292;
const GLuint kNoTextures[kSpeciesCount] = {};

// The tank of a 1024 x 768 screen: fish built and placed from the start of the sequence, pellets
// falling every 501 frames, no GL.
struct GoldenTank {
    CFish fish[kMaxFish];
    CFoodPellet food[kFoodPelletCount];
    float snapshot[kMaxFish][3] = {};
    FishTankRefs refs{fish, food, snapshot, -49.0f, 49.0f, -21.0f, 21.0f, -50.0f, 0.0f};
    int counts[kSpeciesCount] = {};
    int dropCounter = 0;

    void Place() {
        CTerrain terrain;
        terrain.GenerateHeights(98, 50, 1);
        PlaceFish(refs);
    }

    // The fish part of a frame, then the pellets as the frame moves and drops them.
    void Frame() {
        RunFishFrame(refs, counts, kNoTextures, false);
        for (CFoodPellet& p : food) {
            if (p.IsActive())
                p.Draw();
        }
        AutoDropPellet(food, dropCounter);
    }
};

struct FishState {
    float pos[3], heading, headingTarget, pitch, pitchTarget, speed;
    int size, seg[kFishSegments];
    bool operator==(const FishState& o) const {
        for (int k = 0; k < 3; ++k) {
            if (pos[k] != o.pos[k])
                return false;
        }
        for (int k = 0; k < kFishSegments; ++k) {
            if (seg[k] != o.seg[k])
                return false;
        }
        return heading == o.heading && headingTarget == o.headingTarget && pitch == o.pitch &&
               pitchTarget == o.pitchTarget && speed == o.speed && size == o.size;
    }
};

FishState StateOf(const CFish& f) {
    FishState s{{f.m_vPos[0], f.m_vPos[1], f.m_vPos[2]},
                f.m_fHeading,
                f.m_fHeadingTarget,
                f.m_fPitch,
                f.m_fPitchTarget,
                f.m_fSpeed,
                f.m_nSize,
                {}};
    for (int k = 0; k < kFishSegments; ++k)
        s.seg[k] = f.m_nSegAngle[k];
    return s;
}

}  // namespace

// One fish built first from the sequence (size 8, pitch target 17, heading target 34, decision
// counter 169): for its first 32 frames nothing random changes its course, so its path follows
// from the rules alone.
TEST(FishGolden, FirstFishPathFollowsFromTheRules) {
    SeedRand(1);
    GoldenTank tank;
    CFish& fish = tank.fish[0];
    ASSERT_EQ(fish.m_nDecideTick, 169);
    fish.SetBounds(-49.0f, 49.0f, 21.0f, -21.0f, -41.0f);
    fish.m_vPos[0] = 0.0f;
    fish.m_vPos[1] = 5.0f;
    fish.m_vPos[2] = -58.0f;
    tank.counts[4] = 1;
    double x = 0.0, y = 5.0, z = -58.0;
    for (int frame = 1; frame <= 32; ++frame) {
        RunFishFrame(tank.refs, tank.counts, kNoTextures, false);
        const double heading = std::fmin(2.0 * (frame / 3), 34.0);
        x -= std::fabs(std::cos(heading * kDeg)) * 0.1;
        z += std::fabs(std::sin(heading * kDeg)) * 0.1;
        y += std::sin(17 * kDeg) * 0.1;
        ASSERT_FLOAT_EQ(fish.m_fHeading, heading) << frame;
        ASSERT_FLOAT_EQ(fish.m_fPitch, std::fmin(frame, 17)) << frame;
        ASSERT_NEAR(fish.m_vPos[0], x, 1e-4) << frame;
        ASSERT_NEAR(fish.m_vPos[1], y, 1e-4) << frame;
        ASSERT_NEAR(fish.m_vPos[2], z, 1e-4) << frame;
    }
    EXPECT_EQ(fish.m_nSize, 8);
    EXPECT_EQ(fish.m_nSpecies, 4);
    EXPECT_FLOAT_EQ(fish.m_fSpeed, 0.1f);
    EXPECT_EQ(fish.m_nDecideTick, 201);  // the first decision is the next frame's
}

// Placement: fish 0's floor point and offsets are the sequence's numbers 251..254 (after 50
// constructors of five each), so its place follows from the floor formula.
TEST(FishGolden, PlacementUsesTheFloorUnderEachFish) {
    SeedRand(1);
    GoldenTank tank;
    std::vector<int> r(4);
    unsigned int state = 1;
    for (int i = 0; i < 254; ++i) {  // the classic sequence, computed apart from Rand()
        state = state * 214013u + 2531011u;
        if (i >= 250)
            r[i - 250] = static_cast<int>((state >> 16) & 0x7fffu);
    }
    tank.Place();
    const int a = r[0] % 50, b = r[1] % 20, row = r[2] % 98, col = r[3] % 30 + 15;
    const double floorY = std::cos(0.1 * (row + col)) * (50 - col) * (2.0 / 50);
    EXPECT_FLOAT_EQ(tank.fish[0].m_vPos[0], row - 49);
    EXPECT_NEAR(tank.fish[0].m_vPos[1], -21.0 - floorY + a + 10, 1e-4);
    EXPECT_FLOAT_EQ(tank.fish[0].m_vPos[2], (col - 50) - 50 + b);
    EXPECT_FLOAT_EQ(tank.fish[7].m_fTop, 31.0f);
    EXPECT_FLOAT_EQ(tank.fish[7].m_fBottom, -16.0f);
    EXPECT_FLOAT_EQ(tank.fish[7].m_fFront, -41.0f);
}

// A full tank after 2000 frames. These values were recorded once from this implementation; they
// pin down the order of every random number the step, the passes and the pellets draw, and the
// arithmetic of every move, so any change to either shows here.
TEST(FishGolden, KnownTankAfter2000Frames) {
    SeedRand(1);
    GoldenTank tank;
    tank.Place();
    const int counts[kSpeciesCount] = {3, 2, 1, 0, 4, 2, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 1, 2, 1, 2};
    std::copy(counts, counts + kSpeciesCount, tank.counts);
    for (int frame = 0; frame < 2000; ++frame)
        tank.Frame();
    struct Expected {
        int index;
        float x, y, z, heading, headingTarget, pitchTarget;
        int size;
    };
    const Expected expected[] = {
        {0, 8.8559f, 14.0568f, -82.0f, 311.0f, 360.0f, 14.0f, 8},
        {17, -10.2001f, 3.2899f, -71.6188f, 310.0f, 269.0f, 45.0f, 5},
        {35, -11.7262f, -15.8674f, -77.4091f, 341.0f, 243.0f, -45.0f, 6},
    };
    for (const Expected& e : expected) {
        const CFish& f = tank.fish[e.index];
        EXPECT_NEAR(f.m_vPos[0], e.x, 1e-3) << e.index;
        EXPECT_NEAR(f.m_vPos[1], e.y, 1e-3) << e.index;
        EXPECT_NEAR(f.m_vPos[2], e.z, 1e-3) << e.index;
        EXPECT_FLOAT_EQ(f.m_fHeading, e.heading) << e.index;
        EXPECT_FLOAT_EQ(f.m_fHeadingTarget, e.headingTarget) << e.index;
        EXPECT_FLOAT_EQ(f.m_fPitchTarget, e.pitchTarget) << e.index;
        EXPECT_EQ(f.m_nSize, e.size) << e.index;
    }
    EXPECT_EQ(Rand(), 17432) << "the same count of random numbers was drawn";
}

// 50 fish for 100 000 frames: every value stays finite and within its limits, and a second run
// gives the same tank.
TEST(FishSoak, FiftyFishStayFiniteWithinLimitsAndRepeat) {
#if defined(__SANITIZE_ADDRESS__)
    const int frames = 20000;
#else
    const int frames = 100000;
#endif
    std::vector<FishState> first;
    for (int run = 0; run < 2; ++run) {
        SeedRand(1);
        GoldenTank tank;
        tank.Place();
        for (int& c : tank.counts)
            c = 3;  // 60 asked for, 50 swim
        for (int frame = 0; frame < frames; ++frame) {
            tank.Frame();
            if (frame % 97 != 0)
                continue;
            for (const CFish& f : tank.fish) {
                ASSERT_TRUE(std::isfinite(f.m_vPos[0]) && std::isfinite(f.m_vPos[1]) &&
                            std::isfinite(f.m_vPos[2]));
                ASSERT_GE(f.m_vPos[1], f.m_fBottom);
                ASSERT_LE(f.m_vPos[1], f.m_fTop);
                ASSERT_GT(f.m_vPos[0], f.m_fMinX - 60.0f);
                ASSERT_LT(f.m_vPos[0], f.m_fMaxX + 60.0f);
                ASSERT_GT(f.m_vPos[2], 2.0f * f.m_fFront - 60.0f);
                ASSERT_LT(f.m_vPos[2], f.m_fFront + 60.0f);
                ASSERT_GE(f.m_fSpeed, 0.05f);
                ASSERT_LE(f.m_fSpeed, 0.2f);
                ASSERT_LE(std::fabs(f.m_fPitchTarget), 45.0f);
                ASSERT_LE(std::fabs(f.m_fPitch), 46.0f);
                ASSERT_LE(std::fabs(f.m_fHeadingTarget), 360.0f);
                ASSERT_LE(std::fabs(f.m_fHeading), 362.0f);
                ASSERT_GE(f.m_nSize, 1);
                ASSERT_LE(f.m_nSize, 8);
            }
        }
        for (const CFish& f : tank.fish) {
            if (run == 0) {
                first.push_back(StateOf(f));
            } else {
                EXPECT_TRUE(first[&f - tank.fish] == StateOf(f)) << "fish " << (&f - tank.fish);
            }
        }
    }
}
