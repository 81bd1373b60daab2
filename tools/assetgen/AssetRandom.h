#pragma once

#include <cstdint>

// The generator's own seeded source (splitmix64), so the art never depends on the program's
// random sequence and every run paints the same bytes.
class AssetRandom {
public:
    explicit AssetRandom(uint64_t seed) : m_nState(seed) {}

    uint64_t Next() {
        uint64_t z = (m_nState += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    int Below(int n) { return static_cast<int>(Unit() * n); }

private:
    uint64_t m_nState;
};
