#include <gtest/gtest.h>

#include "platform/Random.h"
#include "scene/FoodPellet.h"

namespace {

// How many Rand() draws fn makes.
template <typename Fn>
int DrawsMadeBy(Fn fn) {
    SeedRand(99);
    fn();
    const int next = Rand();
    for (int n = 0; n < 100; ++n) {
        SeedRand(99);
        for (int k = 0; k < n; ++k)
            Rand();
        if (Rand() == next)
            return n;
    }
    return -1;
}

int ActiveCount(const CFoodPellet food[kFoodPelletCount]) {
    int n = 0;
    for (int i = 0; i < kFoodPelletCount; ++i)
        n += food[i].IsActive();
    return n;
}

int FramesToLand(float sinkSpeed) {
    CFoodPellet p;
    p.DropAt(0.0f, 0.0f, -50.0f);
    p.m_fSinkSpeed = sinkSpeed;
    int frames = 0;
    while (p.m_fY > -40.0f && frames < 100000) {
        p.Update();
        ++frames;
    }
    return frames;
}

}  // namespace

TEST(FoodPellet, ResetDrawsElevenNumbersAndMakesThePelletAlive) {
    CFoodPellet p;
    p.m_fAlive = 0.0f;
    EXPECT_EQ(DrawsMadeBy([&] { p.Reset(); }), 11);
    EXPECT_EQ(p.m_fY, 1.0f);
    EXPECT_EQ(p.m_fAlive, 1.0f);
}

TEST(FoodPellet, UpdateDrawsFourWhileSinkingAndTwoOnTheFloor) {
    CFoodPellet p;
    p.m_fY = 1.0f;
    EXPECT_EQ(DrawsMadeBy([&] { p.Update(); }), 4);
    p.m_fY = -40.0f;
    EXPECT_EQ(DrawsMadeBy([&] { p.Update(); }), 2);
    EXPECT_EQ(p.m_fAlive, 0.0f);
}

TEST(FoodPellet, LandsAfterAbout8200Or4316Frames) {
    EXPECT_NEAR(FramesToLand(0.005f), 8200, 3);
    EXPECT_NEAR(FramesToLand(0.0095f), 4316, 3);
}

TEST(FoodPellet, LandedPelletDiesAndFreesItsSlotAtTheNextDraw) {
    CFoodPellet p;
    p.DropAt(0.0f, 0.0f, -50.0f);
    p.SetActive(true);
    p.m_fY = -39.999f;
    p.m_fSinkSpeed = 0.005f;
    p.Draw();  // sinks past the floor
    EXPECT_TRUE(p.IsActive());
    p.Draw();  // lands: alive 0, y held at the floor
    EXPECT_EQ(p.m_fY, -40.0f);
    EXPECT_EQ(p.m_fAlive, 0.0f);
    EXPECT_TRUE(p.IsActive());
    p.Draw();
    EXPECT_FALSE(p.IsActive());
}

TEST(FoodPellet, EatenPelletStaysActiveUntilItsNextDraw) {
    CFoodPellet p;
    p.DropAt(1.0f, 2.0f, -50.0f);
    p.SetActive(true);
    p.Draw();
    const float world[3] = {p.m_vWorld[0], p.m_vWorld[1], p.m_vWorld[2]};
    p.Eat();
    EXPECT_TRUE(p.IsActive());
    p.Draw();
    EXPECT_FALSE(p.IsActive());
    EXPECT_EQ(p.m_vWorld[0], world[0]);
    EXPECT_EQ(p.m_vWorld[1], world[1]);
    EXPECT_EQ(p.m_vWorld[2], world[2]);
}

TEST(FoodDrops, FullHouseTakesNoMore) {
    CFoodPellet food[kFoodPelletCount];
    for (int i = 0; i < kFoodPelletCount; ++i) {
        EXPECT_TRUE(DropFirstInactive(food, 1.0f * i, 0.0f, -70.0f));
        EXPECT_EQ(food[i].m_vDrop[0], 1.0f * i);
    }
    EXPECT_EQ(ActiveCount(food), 10);
    EXPECT_FALSE(DropFirstInactive(food, 0.0f, 0.0f, -70.0f));
    int counter = 0;
    EXPECT_EQ(DrawsMadeBy([&] { AutoDropPellet(food, counter); }), 3);  // still drawn
    EXPECT_EQ(counter, 1);
    EXPECT_EQ(ActiveCount(food), 10);
    food[4].SetActive(false);
    EXPECT_TRUE(DropFirstInactive(food, 7.0f, 8.0f, -70.0f));
    EXPECT_EQ(food[4].m_vDrop[0], 7.0f);
}

TEST(FoodDrops, AutomaticDropOnFrames0And501) {
    CFoodPellet food[kFoodPelletCount];
    int counter = 0;
    SeedRand(1);  // 41, 18467, 6334: x = -(41 % 10) as 6334 is even, y = 18467 % 10
    AutoDropPellet(food, counter);
    ASSERT_EQ(ActiveCount(food), 1);
    EXPECT_EQ(food[0].m_vDrop[0], -1.0f);
    EXPECT_EQ(food[0].m_vDrop[1], 7.0f);
    EXPECT_EQ(food[0].m_vDrop[2], -50.0f);
    for (int frame = 1; frame <= 500; ++frame) {
        AutoDropPellet(food, counter);
        ASSERT_EQ(ActiveCount(food), 1) << frame;
    }
    EXPECT_EQ(counter, 0);
    AutoDropPellet(food, counter);  // frame 501
    EXPECT_EQ(ActiveCount(food), 2);
    EXPECT_EQ(counter, 1);
}
