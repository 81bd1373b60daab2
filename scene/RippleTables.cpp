#include "scene/RippleTables.h"

#include <cmath>

RippleVector g_rippleVectors[kRippleGrid][kRippleGrid];
double g_rippleWave[kRippleWaveLength];

// The wave: 18 humps shrinking from front to back. The known rows of the table are exact values
// of 0.125 sin^2(w i - p) (1 - i/2047)^8. Amplitude 0.125 and power 8 come from the hump tops;
// the denominator 2047 makes the last entry exactly 0; w and p were fitted (minimax relative
// error) to the three near-zero rows 1, 115 and 1024, which pin the zeros of the sine, and the
// fit then hits all twelve known rows within 4e-6 relative.
double RippleWaveValue(int i) {
    if (i <= 0 || i >= kRippleWaveLength - 1)
        return 0.0;
    constexpr double kOmega = 0.02763626174457906;
    constexpr double kPhase = 0.02276002535038492;
    const double s = std::sin(kOmega * i - kPhase);
    const double envelope = std::pow(1.0 - i / 2047.0, 8);
    return 0.125 * s * s * envelope;
}

namespace {

void BuildRippleTables() {
    for (int a = 0; a < kRippleGrid; ++a) {
        for (int b = 0; b < kRippleGrid; ++b) {
            RippleVector& e = g_rippleVectors[a][b];
            if (a == 0 && b == 0) {
                e = {0.0, 0.0, 0};
                continue;
            }
            const double r = std::sqrt(static_cast<double>(a * a + b * b));
            e = {a / r, b / r, static_cast<int>(r * 800.0 / 31.0)};
        }
    }
    for (int i = 0; i < kRippleWaveLength; ++i)
        g_rippleWave[i] = RippleWaveValue(i);
}

// Filled before main; nothing reads the tables during static initialisation.
const bool g_rippleTablesBuilt = (BuildRippleTables(), true);

}  // namespace
