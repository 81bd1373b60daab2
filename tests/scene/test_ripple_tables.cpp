#include <gtest/gtest.h>

#include <cmath>

#include "scene/RippleTables.h"

TEST(RippleTables, WaveHitsEveryKnownRow) {
    const struct {
        int i;
        double value;
    } rows[] = {{1, 0.00000296058}, {10, 0.0075661},   {28, 0.0521374},
                {55, 0.0999838},    {100, 0.0127414},  {115, 0.0000150262},
                {169, 0.0624766},   {282, 0.0379234},  {396, 0.0222607},
                {509, 0.0125849},   {622, 0.00680848}, {1024, 0.00000000289121}};
    for (const auto& r : rows) {
        EXPECT_NEAR(g_rippleWave[r.i] / r.value, 1.0, 0.004) << "row " << r.i;
    }
}

TEST(RippleTables, WaveHasEighteenShrinkingHumpsBetweenZeroEnds) {
    EXPECT_EQ(g_rippleWave[0], 0.0);
    EXPECT_EQ(g_rippleWave[kRippleWaveLength - 1], 0.0);
    int humps = 0;
    double lastTop = 1.0;
    for (int i = 1; i + 1 < kRippleWaveLength; ++i) {
        ASSERT_GE(g_rippleWave[i], 0.0);
        if (g_rippleWave[i] > g_rippleWave[i - 1] && g_rippleWave[i] >= g_rippleWave[i + 1]) {
            ++humps;
            EXPECT_LT(g_rippleWave[i], lastTop);
            lastTop = g_rippleWave[i];
        }
    }
    EXPECT_EQ(humps, 18);
    // The largest value is the first hump's top.
    for (int i = 0; i < kRippleWaveLength; ++i)
        ASSERT_LE(g_rippleWave[i], g_rippleWave[55]);
}

TEST(RippleTables, VectorsAreUnitDirectionsWithDistances) {
    EXPECT_EQ(g_rippleVectors[0][0].u, 0.0);
    EXPECT_EQ(g_rippleVectors[0][0].v, 0.0);
    EXPECT_EQ(g_rippleVectors[0][0].dist, 0);
    EXPECT_EQ(g_rippleVectors[0][1].dist, 25);
    EXPECT_EQ(g_rippleVectors[1][1].dist, 36);
    EXPECT_EQ(g_rippleVectors[31][31].dist, 1131);
    EXPECT_DOUBLE_EQ(g_rippleVectors[3][4].u, 0.6);
    EXPECT_DOUBLE_EQ(g_rippleVectors[3][4].v, 0.8);
    for (int a = 0; a < kRippleGrid; ++a) {
        for (int b = (a == 0); b < kRippleGrid; ++b) {
            const RippleVector& e = g_rippleVectors[a][b];
            ASSERT_NEAR(e.u * e.u + e.v * e.v, 1.0, 1e-12);
        }
    }
}
