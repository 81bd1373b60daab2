#include "platform/Random.h"

namespace {
unsigned int g_randState = 1;
}

int Rand() {
    // A linear congruential step; the number is bits 16..30 of the new state.
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & 0x7fffu);
}

void SeedRand(unsigned int seed) {
    g_randState = seed;
}
