#include <gtest/gtest.h>

#include "scene/SceneLight.h"
#include "scene/ScreenGeometry.h"

TEST(ScreenMode, ListedSizesAndEverythingElse) {
    EXPECT_EQ(ScreenModeFor(1024, 768), 0);
    EXPECT_EQ(ScreenModeFor(1280, 1024), 1);
    EXPECT_EQ(ScreenModeFor(1680, 1050), 2);
    EXPECT_EQ(ScreenModeFor(1440, 900), 3);
    EXPECT_EQ(ScreenModeFor(1280, 800), 4);
    EXPECT_EQ(ScreenModeFor(1600, 900), 5);
    EXPECT_EQ(ScreenModeFor(1366, 768), 6);
    EXPECT_EQ(ScreenModeFor(1920, 1080), 1);
    EXPECT_EQ(ScreenModeFor(768, 1024), 1);
    EXPECT_TRUE(IsListedScreenMode(1280, 1024));
    EXPECT_FALSE(IsListedScreenMode(1920, 1080));
}

TEST(TankBounds, ListedSizesKeepTheirTableValues) {
    struct Row {
        int w, h;
        float maxX;
    };
    const Row rows[] = {{800, 600, 49},  {1024, 768, 49}, {1280, 960, 49}, {1280, 1024, 49},
                        {1440, 900, 55}, {1600, 900, 58}, {1680, 1050, 54}};
    for (const Row& r : rows) {
        const TankBounds b = TankBoundsFor(r.w, r.h);
        EXPECT_FLOAT_EQ(b.maxX, r.maxX) << r.w << "x" << r.h;
        EXPECT_FLOAT_EQ(b.minX, -r.maxX);
        EXPECT_FLOAT_EQ(b.maxY, 21);
        EXPECT_FLOAT_EQ(b.minY, -21);
        EXPECT_FLOAT_EQ(b.minZ, -50);
        EXPECT_FLOAT_EQ(b.maxZ, 0);
    }
}

TEST(TankBounds, OtherSizesFollowTheAspectRatio) {
    // 16:9 screens get the 1600 x 900 tank, 16:10 the 1440 x 900 one, ultra-wide a wider one.
    EXPECT_FLOAT_EQ(TankBoundsFor(1920, 1080).maxX, 58);
    EXPECT_FLOAT_EQ(TankBoundsFor(2560, 1440).maxX, 58);
    EXPECT_FLOAT_EQ(TankBoundsFor(3840, 2160).maxX, 58);
    EXPECT_FLOAT_EQ(TankBoundsFor(1366, 768).maxX, 58);
    EXPECT_FLOAT_EQ(TankBoundsFor(1920, 1200).maxX, 55);
    EXPECT_FLOAT_EQ(TankBoundsFor(1280, 800).maxX, 55);
    EXPECT_FLOAT_EQ(TankBoundsFor(2560, 1080).maxX, 71);
    // Portrait and degenerate sizes never get a tank narrower than the 4:3 one.
    EXPECT_FLOAT_EQ(TankBoundsFor(768, 1024).maxX, 49);
    EXPECT_FLOAT_EQ(TankBoundsFor(0, 0).maxX, 49);
    for (int w : {640, 1152, 1920, 2560, 3440, 5120}) {
        const TankBounds b = TankBoundsFor(w, 1080);
        EXPECT_LT(b.minX, b.maxX);
        EXPECT_EQ(b.minX, -b.maxX);
        EXPECT_FLOAT_EQ(b.minZ, -50);
        EXPECT_FLOAT_EQ(b.maxY, 21);
    }
}

TEST(FrameLevels, LightAndFog) {
    EXPECT_FLOAT_EQ(LightComponent(100), 0.0f);
    EXPECT_FLOAT_EQ(LightComponent(0), 1.0f);
    EXPECT_FLOAT_EQ(FogDensity(25), 0.0f);
    EXPECT_FLOAT_EQ(FogDensity(0), 0.0125f);
}
