#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scene/FoodPellet.h"

namespace {

int ActiveCount(const CFoodPellet food[kFoodPelletCount]) {
    return std::count_if(food, food + kFoodPelletCount, [](auto& p) { return p.IsActive(); });
}

}  // namespace

TEST(FoodPellet, SinksFortyOneUnitsLandsAndIsGoneAtTheNextDraw) {
    CFoodPellet p;
    p.DropAt(0.0f, 0.0f, -50.0f);
    p.SetActive(true);
    p.m_fSinkSpeed = 0.0095f;
    int frames = 0;
    for (; p.m_fAlive > 0.0f && frames < 10000; ++frames)
        p.Draw();
    EXPECT_NEAR(frames, 41 / 0.0095, 3);
    EXPECT_EQ(p.m_fY, -40.0f);
    EXPECT_TRUE(p.IsActive());
    p.Draw();
    EXPECT_FALSE(p.IsActive());
}

TEST(FoodDrops, AutomaticDropOnFrames0And501AndAFullHouseTakesNoMore) {
    CFoodPellet food[kFoodPelletCount];
    int counter = 0;
    AutoDropPellet(food, counter);
    ASSERT_EQ(ActiveCount(food), 1);
    EXPECT_TRUE(std::fabs(food[0].m_vDrop[0]) <= 9.0f && food[0].m_vDrop[2] == -50.0f);
    for (int frame = 1; frame <= 500; ++frame) {
        AutoDropPellet(food, counter);
        ASSERT_EQ(ActiveCount(food), 1) << frame;
    }
    AutoDropPellet(food, counter);  // frame 501
    EXPECT_EQ(ActiveCount(food), 2);

    for (int i = 2; i < kFoodPelletCount; ++i)
        EXPECT_TRUE(DropFirstInactive(food, 100.0f + i, 0.0f, -70.0f));
    EXPECT_FALSE(DropFirstInactive(food, 0.0f, 0.0f, -70.0f));
    counter = 0;
    AutoDropPellet(food, counter);
    for (int i = 2; i < kFoodPelletCount; ++i)
        EXPECT_EQ(food[i].m_vDrop[0], 100.0f + i) << i;  // none dropped again
    food[4].SetActive(false);
    EXPECT_TRUE(DropFirstInactive(food, 7.0f, 8.0f, -70.0f));
    EXPECT_EQ(food[4].m_vDrop[0], 7.0f);
}
