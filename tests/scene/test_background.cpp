#include <gtest/gtest.h>

#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/RippleSurface.h"

TEST(Background, PictureWidthFollowsTheScreen) {
    EXPECT_FLOAT_EQ(2 * BackgroundScaleX(6, 1366, 768, true), 142.0f);
    EXPECT_FLOAT_EQ(2 * BackgroundScaleX(0, 1024, 768, true), 106.2f);
    EXPECT_FLOAT_EQ(BackgroundScaleX(1, 1280, 1024, true), 49.9f);
    EXPECT_FLOAT_EQ(BackgroundScaleX(2, 1680, 1050, true), 64.0f);
    EXPECT_FLOAT_EQ(BackgroundScaleX(5, 1600, 900, true), 71.0f);
    // Unlisted sizes fill the view: the picture's aspect is the screen's.
    EXPECT_FLOAT_EQ(BackgroundScaleX(1, 1920, 1080, false), 40.0f * 1920 / 1080);
    EXPECT_FLOAT_EQ(BackgroundScaleX(1, 800, 0, false), 40.0f * 800);
}

TEST(Background, RainDropDiscardsOneNumberThenTakesYThenX) {
    CRippleSurface w;
    w.Init(1024, 768);
    SeedRand(1);  // 41 (discarded), 18467, 6334
    BackgroundRainDrop(w, 1024, 768);
    EXPECT_EQ(w.m_nCentreY[0], static_cast<int>((18467 % 768) / 768.0 * 32));
    EXPECT_EQ(w.m_nCentreX[0], static_cast<int>((6334 % 1024) / 1024.0 * 32));
    EXPECT_EQ(Rand(), 26500);
}
