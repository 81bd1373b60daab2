#include <cmath>

#include "fish/Fish.h"
#include "platform/Random.h"

// The requests that change a fish's course: speed, heading and pitch targets, size.

namespace {

float Clamp(float v, float lo, float hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

void CFish::ApproachSpeed(float fStep, float fTarget) {
    if (m_fSpeed < fTarget)
        m_fSpeed += fStep;
    if (m_fSpeed > fTarget)
        m_fSpeed -= fStep;
    m_fSpeed = Clamp(m_fSpeed, 0.05f, 0.2f);
}

void CFish::Turn(float fAmount, bool bSide, int nKind) {
    // A running turn is never replaced.
    if (std::fabs(m_fHeading - m_fHeadingTarget) > 0.1f)
        return;
    float& target = m_fHeadingTarget;
    auto sideRule = [&](float d) {
        if (bSide == m_bFacesMinX) {
            target -= d;
        } else {
            target += d;
        }
    };
    switch (nKind) {
        case 0: {
            const int r = Rand() % 170;
            target = target > 180.0f ? target - r : target + r;
            break;
        }
        case 1:
            target = target <= 180.0f ? target + 180.0f : target - 180.0f;
            break;
        case 2:
            sideRule(static_cast<float>(Rand() % 15));
            break;
        case 4:
            if (InDeepBand()) {
                if (target > 0.0f && target <= 180.0f) {
                    target += 90.0f;
                } else if (target > 180.0f) {
                    target -= 90.0f;
                } else if (target >= -180.0f) {
                    target -= 90.0f;
                } else {
                    target += 90.0f;
                }
            }
            break;
        case 5:
            sideRule(static_cast<float>(Rand() % 10 + 10));
            break;
        case 6:
            sideRule(180.0f);
            break;
        case 7:
            sideRule(static_cast<float>(static_cast<int>(std::fabs(fAmount))));
            break;
        default:
            break;
    }
    target = Clamp(target, -360.0f, 360.0f);
}

void CFish::Tilt(float fAmount, bool bSide, int nKind) {
    float& target = m_fPitchTarget;
    switch (nKind) {
        case 0: {
            const int r = Rand() % 15 + 15;
            target = target > 0.0f ? target - r : target + r;
            break;
        }
        case 3:
            target = -target;
            break;
        case 5:
            target += bSide ? 1.0f : -1.0f;
            break;
        case 7:
            if (target + fAmount > 90.0f || target - fAmount < -90.0f)
                break;
            target = bSide ? target + fAmount : target - fAmount;
            break;
        default:
            break;
    }
    target = Clamp(target, -45.0f, 45.0f);
}

bool CFish::InDeepBand() const {
    const float z = m_vPos[2];
    return (z > -75.0f && z < -60.0f) || (z > -90.0f && z < -75.0f);
}

void CFish::Resize(float fStep, bool bGrow, bool bToMax) {
    if (bToMax) {
        m_nSize = 8;
        return;
    }
    const float next = bGrow ? m_nSize + fStep : m_nSize - fStep;
    // The size multiplies every vertex: it stays a positive whole number.
    m_nSize = static_cast<int>(next);
    if (m_nSize > 8)
        m_nSize = 8;
    if (m_nSize < 1)
        m_nSize = 1;
}

void CFish::Startle() {
    if (InDeepBand())
        Turn(0.0f, true, 4);
    ApproachSpeed(0.2f, 0.5f);
}
