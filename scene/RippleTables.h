#pragma once

// Precomputed tables of the water ripple: per-offset directions and distances, and the wave
// shape, so a ripple step needs no trigonometry or square roots.

constexpr int kRippleGrid = 32;          // grid points per side
constexpr int kRippleWaveLength = 2048;  // entries of the wave table

// Direction of grid offset (a, b) from a wave centre and its distance in table units.
struct RippleVector {
    double u;
    double v;
    int dist;
};

// Indexed by (|di|, |dj|), each 0..31.
extern RippleVector g_rippleVectors[kRippleGrid][kRippleGrid];

// Wave height by how far (in table units) the wave front has passed a point.
extern double g_rippleWave[kRippleWaveLength];

// The closed form the wave table holds (entry 0 is forced to 0).
double RippleWaveValue(int i);
