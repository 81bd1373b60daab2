#include "platform/Random.h"

namespace {
unsigned int g_randState = 1;
}

int Rand() {
    // The classic runtime LCG: state * 214013 + 2531011, high 15 bits of the low word pair.
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & 0x7fffu);
}

void SeedRand(unsigned int seed) {
    g_randState = seed;
}
