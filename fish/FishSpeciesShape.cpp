#include "fish/FishSpeciesShape.h"

void LongFinProfile(int species, float size, float& f, float o[11]) {
    f = 1.0f;
    for (int c = 0; c < 11; ++c)
        o[c] = 0.0f;
    auto ramp = [&](float k) {
        for (int c = 0; c < 11; ++c)
            o[c] = size * c * k;
    };
    // Rises to column 4, then falls: a peaked fin.
    auto peak = [&](float up, float down) {
        for (int c = 0; c < 11; ++c)
            o[c] = c <= 4 ? size * c * up : size * (11 - c) * down;
    };
    switch (species) {
        case 1:
            f = 0.5f;
            break;
        case 2:
        case 12:
            f = 0.7f;
            ramp(0.015f);
            break;
        case 3:
            o[0] = size * -0.08f;
            o[1] = size * -0.04f;
            o[2] = size * -0.01f;
            break;
        case 5:
            f = 0.7f;
            ramp(0.03f);
            break;
        case 6:
            f = 0.7f;
            ramp(0.01f);
            break;
        case 7:
            f = 0.5f;
            ramp(0.01f);
            break;
        case 9:
        case 11:
        case 18:
            f = 0.8f;
            break;
        case 10:
        case 13:
            f = 0.5f;
            peak(0.05f, 0.05f);
            break;
        case 14:
        case 16:
            f = 0.75f;
            ramp(0.01f);
            break;
        case 17:
            f = 0.7f;
            peak(0.065f, 0.025f);
            break;
        default:
            break;
    }
}

void FinEProfileFor(int species, float size, FinEProfile& p) {
    p = FinEProfile();
    auto lift = [&](float k) {
        for (int i = 0; i < 6; ++i)
            p.u[i] = size * i * k;
    };
    auto shift = [&](float k) {
        for (int i = 0; i < 6; ++i)
            p.d[i] = size * k;
    };
    switch (species) {
        case 1:
            p.f = 0.5f;
            break;
        case 2:
            p.f = 0.9f;
            lift(0.025f);
            break;
        case 3:
            p.u[0] = size * -0.04f;
            p.u[1] = size * -0.02f;
            p.u[2] = size * -0.01f;
            break;
        case 5:
            p.f = 0.8f;
            lift(0.035f);
            shift(0.05f);
            break;
        case 6:
        case 9:
            p.f = 0.9f;
            lift(0.01f);
            break;
        case 7:
        case 11:
        case 18:
            p.f = 0.8f;
            break;
        case 10:
        case 13:
            p.f = species == 10 ? 0.4f : 0.5f;
            lift(0.05f);
            p.u[5] = size * (6 - 5) * 0.05f;
            break;
        case 12:
            p.f = 0.8f;
            lift(0.015f);
            break;
        case 14:
        case 16:
            p.g = species == 14 ? 1.2f : 1.1f;
            p.u[0] = size * -0.05f;
            shift(-0.05f);
            break;
        case 17: {
            const float u[6] = {0.0f, 0.07f, 0.18f, 0.3f, 0.32f, 0.25f};
            p.f = 0.0f;
            p.g = 1.5f;
            for (int i = 0; i < 6; ++i)
                p.u[i] = size * u[i];
            shift(-0.1f);
            break;
        }
        default:
            break;
    }
}

int TailFanDivisor(int species) {
    switch (species) {
        case 1:
        case 6:
            return 3;
        case 4:
            return 6;
        case 8:
            return 4;
        default:
            return 1;
    }
}

bool TailHasLowerLobe(int species) {
    return species == 1 || species == 4 || species == 8;
}

void TailLastColumn(int species, bool edgeVertex, float& x, float& z) {
    if (species == 12)
        x *= 1.1f;
    if (species == 15 && edgeVertex)
        x *= 1.3f;
    if (species == 16 && edgeVertex)
        z *= 1.1f;
}
