#include <gtest/gtest.h>

#include "platform/Random.h"

// Every run replays the same tank: the sequence starts from the same numbers each time.
TEST(Random, DefaultSequenceIsFixed) {
    SeedRand();
    for (const int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(Rand(), expected);
}
