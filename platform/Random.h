#pragma once

// The program's one random source: numbers 0..32767 from one fixed sequence, the same on every
// system whatever its C library does. Never seeded by the program, so every run replays the
// same tank.

constexpr int kRandMax = 32767;

// Next number of the sequence, 0..kRandMax.
int Rand();

// Restart the sequence (tests only; the program never seeds).
void SeedRand(unsigned int seed = 1);
