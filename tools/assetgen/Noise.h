#pragma once

#include <cstdint>

// Smooth lattice noise for organic textures; pure functions of position and seed.
double ValueNoise(double x, double y, uint32_t seed);                 // 0..1
double FractalNoise(double x, double y, int octaves, uint32_t seed);  // about 0..1
// Cellular caustic pattern: 0 inside cells, rising to 1 on the bright cell borders.
double Caustic(double x, double y, uint32_t seed);

inline double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}
