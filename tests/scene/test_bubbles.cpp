#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/Random.h"
#include "scene/BubbleSystem.h"
#include "scene/Terrain.h"

namespace {

std::vector<Particle> Copy(const CBubbleSystem& b) {
    return std::vector<Particle>(b.m_pParticles.get(), b.m_pParticles.get() + b.Allocated());
}

}  // namespace

TEST(Bubbles, FadeZeroNeverDies) {
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(10));
    b.m_pParticles[3].m_fFade = 0.0f;
    float lastY = b.m_pParticles[3].m_vPos[1], lastVy = b.m_pParticles[3].m_vVel[1];
    for (int n = 0; n < 5000; ++n) {
        b.Update();
        const Particle& p = b.m_pParticles[3];
        ASSERT_GT(p.m_vPos[1], lastY);
        ASSERT_GT(p.m_vVel[1], lastVy);
        ASSERT_EQ(p.m_fFade, 0.0f);
        lastY = p.m_vPos[1];
        lastVy = p.m_vVel[1];
    }
}

TEST(Bubbles, CeilingSendsRisenBubblesBackToTheSource) {
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(10));
    b.SetCeiling(40.0f);
    b.m_pParticles[3].m_fFade = 0.0f;
    bool reemitted = false;
    for (int n = 0; n < 1000 && !reemitted; ++n) {
        b.Update();
        reemitted = b.m_pParticles[3].m_vPos[1] < -0.9f;
    }
    EXPECT_TRUE(reemitted);
}

TEST(Bubbles, ParticlesBeyondTheCountKeepTheirStartValues) {
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(1000));
    const std::vector<Particle> start = Copy(b);
    b.PreWarm(300, 900);
    EXPECT_EQ(b.m_nCount, 900);
    const std::vector<Particle> after = Copy(b);
    EXPECT_NE(std::memcmp(&after[0], &start[0], sizeof(Particle)), 0);
    EXPECT_EQ(std::memcmp(&after[900], &start[900], 100 * sizeof(Particle)), 0);
}

TEST(Bubbles, CountComesFromTheSettingWithinRange) {
    EXPECT_EQ(BubbleCountFromSetting(100), 900);
    EXPECT_EQ(BubbleCountFromSetting(1000), 0);
    EXPECT_EQ(BubbleCountFromSetting(0), 1000);
    EXPECT_EQ(BubbleCountFromSetting(-50), 1000);
    EXPECT_EQ(BubbleCountFromSetting(5000), 0);
}

TEST(Bubbles, PreWarmNeverGoesPastTheAllocation) {
    SeedRand(1);
    CBubbleSystem b;
    ASSERT_TRUE(b.Init(50));
    b.PreWarm(3, 1050);
    EXPECT_EQ(b.m_nCount, 50);
}

TEST(Bubbles, SourceSitsBelowTheFloorPoint) {
    CTerrain t;
    t.GenerateHeights(108, 50, 1);
    float source[3];
    ComputeBubbleSource(108, -21.0f, -50.0f, source);
    const float* p = g_terrainVertices[49][10];
    EXPECT_FLOAT_EQ(source[0], -5.0f);
    EXPECT_FLOAT_EQ(source[1], -21.0f - p[1] - 5.0f);
    EXPECT_FLOAT_EQ(source[2], -40.0f - 50.0f);
}

TEST(Bubbles, StreamsRunDryWithoutASurfaceAndKeepGoingWithOne) {
    auto risingNearTheSource = [](float ceiling) {
        SeedRand(1);
        CBubbleSystem b;
        b.Init(900);
        if (ceiling > 0.0f)
            b.SetCeiling(ceiling);
        b.PreWarm(60000, 900);  // twenty minutes of frames
        int n = 0;
        for (int i = 0; i < 900; ++i)
            n += b.m_pParticles[i].m_vPos[1] < 48.0f;
        return n;
    };
    EXPECT_LT(risingNearTheSource(0.0f), 200);
    EXPECT_EQ(risingNearTheSource(48.0f), 900);
}
