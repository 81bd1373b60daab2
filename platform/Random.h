#pragma once

// The program's one random source: the same range (0..32767) and the same fixed default sequence
// as the C runtime the aquarium was first written against, whatever the C library here does.
// Never seeded by the program, so every run replays the same tank.

constexpr int kRandMax = 32767;

// Next number of the sequence, 0..kRandMax.
int Rand();

// Restart the sequence (tests only; the program never seeds).
void SeedRand(unsigned int seed = 1);
