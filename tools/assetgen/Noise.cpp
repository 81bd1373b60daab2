#include "Noise.h"

#include <cmath>

namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du ^ static_cast<uint32_t>(x) * 0x85ebca6bu ^
                 static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double HashUnit(int32_t x, int32_t y, uint32_t seed) {
    return (Hash(x, y, seed) & 0xffffff) / 16777216.0;
}

}  // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = HashUnit(ix, iy, seed), b = HashUnit(ix + 1, iy, seed);
    const double c = HashUnit(ix, iy + 1, seed), d = HashUnit(ix + 1, iy + 1, seed);
    return Mix(Mix(a, b, tx), Mix(c, d, tx), ty);
}

double FractalNoise(double x, double y, int octaves, uint32_t seed) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * ValueNoise(x, y, seed + 101u * i);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

double Caustic(double x, double y, uint32_t seed) {
    // A gentle warp bends the cell seams into the soft curves light makes.
    x += 0.9 * (ValueNoise(x * 0.6, y * 0.6, seed + 3) - 0.5);
    y += 0.9 * (ValueNoise(x * 0.6, y * 0.6, seed + 4) - 0.5);
    const int32_t cx = static_cast<int32_t>(std::floor(x)),
                  cy = static_cast<int32_t>(std::floor(y));
    double f1 = 9, f2 = 9;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int32_t gx = cx + dx, gy = cy + dy;
            const double px = gx + 0.15 + 0.7 * HashUnit(gx, gy, seed);
            const double py = gy + 0.15 + 0.7 * HashUnit(gx, gy, seed + 7);
            const double d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < f1) {
                f2 = f1;
                f1 = d;
            } else if (d < f2) {
                f2 = d;
            }
        }
    }
    // Thin bright seams where two cells meet, as light focused by the wavy surface.
    return std::pow(1.0 - SmoothStep(0.0, 0.16, f2 - f1), 2.0);
}
