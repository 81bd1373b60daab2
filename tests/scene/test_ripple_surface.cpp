#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "scene/RippleSurface.h"

TEST(RippleSurface, SeventhDropIsIgnoredUntilASlotFrees) {
    CRippleSurface w;
    w.Init(1024, 768);
    for (int k = 0; k < 6; ++k)
        w.Drop(0, 0);  // corner waves: each slot is free again after 891 steps
    for (int n = 0; n <= 891; ++n) {
        w.Drop(1000, 700);  // grid (31, 29)
        for (int k = 0; k < CRippleSurface::kSlots; ++k)
            ASSERT_EQ(w.m_nCentreX[k], n == 891 && k == 0 ? 31 : 0) << n;
        w.Step();
    }
    EXPECT_EQ(w.m_nCentreY[0], 29);
}

TEST(RippleSurface, WavesPushOutwardFromCentresOnTheGridUntilInitStopsThem) {
    CRippleSurface w, still;
    w.Init(1024, 768);
    w.Drop(16 * 32, 16 * 24);  // grid (16, 16)
    float left = 0.0f, right = 0.0f;
    for (int n = 0; n < 60; ++n) {
        w.Step();
        ASSERT_EQ(w.m_grid[16][16].s, w.m_grid[16][16].s0);  // the centre stays put
        ASSERT_EQ(w.m_grid[12][16].t, w.m_grid[12][16].t0);  // its row moves along x only
        left = std::min(left, w.m_grid[12][16].s - w.m_grid[12][16].s0);
        right = std::max(right, w.m_grid[20][16].s - w.m_grid[20][16].s0);
    }
    EXPECT_TRUE(left < 0.0f && right > 0.0f);
    w.Init(800, 600);
    w.Drop(800, 600);  // one past the size, as a click on the top row gives
    w.Drop(5000, -3);
    EXPECT_TRUE(w.m_nCentreX[0] == 31 && w.m_nCentreY[0] == 31);
    EXPECT_TRUE(w.m_nCentreX[1] == 31 && w.m_nCentreY[1] == 0);
    w.Step();
    w.Init(1280, 1024);
    still.Init(1280, 1024);
    for (int n = 0; n < 3000; ++n)
        w.Step();  // without drops nothing moves
    EXPECT_EQ(std::memcmp(w.m_grid, still.m_grid, sizeof w.m_grid), 0);
    w.Init(0, 0);  // no size: nothing to divide by
    w.Drop(0, 0);
    w.Step();
}
