#include <gtest/gtest.h>

#include <cstring>

#include "scene/RippleSurface.h"

namespace {

bool AllAtRest(const CRippleSurface& w) {
    for (int i = 0; i < kRippleGrid; ++i) {
        for (int j = 0; j < kRippleGrid; ++j) {
            const auto& p = w.m_grid[i][j];
            if (p.s != p.s0 || p.t != p.t0)
                return false;
        }
    }
    return true;
}

}  // namespace

TEST(RippleSurface, SeventhDropInOneFrameIsIgnored) {
    CRippleSurface w;
    w.Init(1024, 768);
    for (int k = 0; k < 6; ++k)
        w.Drop(100 * k, 50 * k);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(w.IsSlotFree(k));
        EXPECT_EQ(w.m_nCentreX[k], 100 * k * 32 / 1024);
        EXPECT_EQ(w.m_nCentreY[k], 50 * k * 32 / 768);
        EXPECT_EQ(w.m_nAge[k], 8);
    }
    CRippleSurface before = w;
    w.Drop(1000, 700);
    EXPECT_EQ(std::memcmp(w.m_nCentreX, before.m_nCentreX, sizeof w.m_nCentreX), 0);
    EXPECT_EQ(std::memcmp(w.m_nCentreY, before.m_nCentreY, sizeof w.m_nCentreY), 0);
    EXPECT_EQ(std::memcmp(w.m_nLimit, before.m_nLimit, sizeof w.m_nLimit), 0);
}

TEST(RippleSurface, DropAtOriginFreesItsSlotAfter891Steps) {
    CRippleSurface w;
    w.Init(1024, 768);
    w.Drop(0, 0);
    EXPECT_EQ(w.m_nCentreX[0], 0);
    EXPECT_EQ(w.m_nCentreY[0], 0);
    EXPECT_EQ(w.m_nLimit[0], 1789);
    for (int n = 0; n < 890; ++n)
        w.Step();
    EXPECT_FALSE(w.IsSlotFree(0));
    w.Step();
    EXPECT_TRUE(w.IsSlotFree(0));
    w.Drop(512, 384);  // the freed slot is the first one taken again
    EXPECT_EQ(w.m_nCentreX[0], 16);
    EXPECT_EQ(w.m_nAge[0], 8);
}

TEST(RippleSurface, WaveCentreStaysAndItsRowAndColumnMoveOnOneAxis) {
    CRippleSurface w;
    w.Init(1024, 768);
    w.Drop(10 * 32, 12 * 24);  // grid (10, 12)
    ASSERT_EQ(w.m_nCentreX[0], 10);
    ASSERT_EQ(w.m_nCentreY[0], 12);
    bool rowMoved = false, columnMoved = false;
    for (int n = 0; n < 400; ++n) {
        w.Step();
        const auto& c = w.m_grid[10][12];
        ASSERT_EQ(c.s, c.s0);
        ASSERT_EQ(c.t, c.t0);
        for (int k = 0; k < kRippleGrid; ++k) {
            ASSERT_EQ(w.m_grid[k][12].t, w.m_grid[k][12].t0);  // the centre's row
            ASSERT_EQ(w.m_grid[10][k].s, w.m_grid[10][k].s0);  // the centre's column
            rowMoved |= w.m_grid[k][12].s != w.m_grid[k][12].s0;
            columnMoved |= w.m_grid[10][k].t != w.m_grid[10][k].t0;
        }
    }
    EXPECT_TRUE(rowMoved);
    EXPECT_TRUE(columnMoved);
}

TEST(RippleSurface, WavesPushOutwardFromTheCentre) {
    CRippleSurface w;
    w.Init(1024, 768);
    w.Drop(16 * 32, 16 * 24);
    float left = 0.0f, right = 0.0f;
    for (int n = 0; n < 60; ++n) {
        w.Step();
        left = std::min(left, w.m_grid[12][16].s - w.m_grid[12][16].s0);
        right = std::max(right, w.m_grid[20][16].s - w.m_grid[20][16].s0);
    }
    EXPECT_LT(left, 0.0f);
    EXPECT_GT(right, 0.0f);
}

TEST(RippleSurface, NothingMovesWithoutDropsOnALargeSurface) {
    CRippleSurface w;
    w.Init(1280, 1024);
    for (int n = 0; n < 3000; ++n)
        w.Step();
    EXPECT_TRUE(AllAtRest(w));
}

TEST(RippleSurface, CentresStayOnTheGrid) {
    CRippleSurface w;
    w.Init(800, 600);
    w.Drop(800, 600);  // the top-right pixel row and column past the size
    EXPECT_EQ(w.m_nCentreX[0], 31);
    EXPECT_EQ(w.m_nCentreY[0], 31);
    w.Drop(5000, -3);
    EXPECT_EQ(w.m_nCentreX[1], 31);
    EXPECT_EQ(w.m_nCentreY[1], 0);
    w.Drop(799, 599);
    EXPECT_EQ(w.m_nCentreX[2], 31);
    EXPECT_EQ(w.m_nCentreY[2], 31);
    for (int n = 0; n < 50; ++n)
        w.Step();  // reads the tables only at valid offsets
    EXPECT_FALSE(AllAtRest(w));
}

TEST(RippleSurface, ZeroSizeDoesNotDivideByZero) {
    CRippleSurface w;
    w.Init(0, 0);
    w.Drop(0, 0);
    EXPECT_EQ(w.m_nCentreX[0], 0);
    EXPECT_EQ(w.m_nCentreY[0], 0);
    w.Step();
}

TEST(RippleSurface, InitStopsRunningWaves) {
    CRippleSurface w;
    w.Init(1280, 1024);
    w.Drop(600, 500);
    for (int n = 0; n < 20; ++n)
        w.Step();
    ASSERT_FALSE(AllAtRest(w));
    w.Init(1280, 1024);
    EXPECT_TRUE(AllAtRest(w));
    w.Step();
    EXPECT_TRUE(AllAtRest(w));
}
