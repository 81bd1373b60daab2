#include <cmath>

#include "fish/Fish.h"

// Moving the fish one frame and keeping it inside its swimming space.

namespace {

constexpr float kDegToRad = 0.017453292f;

// cos >= 0 ranges: the heading moves the fish towards -x.
bool TowardsMinX(float a) {
    return (a >= 0.0f && a <= 90.0f) || (a >= 270.0f && a <= 360.0f) ||
           (a >= -90.0f && a <= 0.0f) || (a >= -360.0f && a <= -270.0f);
}

// sin >= 0 ranges: the heading moves the fish towards +z.
bool TowardsNearZ(float a) {
    return (a >= 0.0f && a <= 180.0f) || (a >= -360.0f && a <= -180.0f);
}

}  // namespace

void CFish::UpdateDirectionFlags() {
    const bool headingInRange = m_fHeading >= -360.0f && m_fHeading <= 360.0f;
    m_bFacesMinX = headingInRange && TowardsMinX(m_fHeading);
    m_bFacesMaxX = !m_bFacesMinX;
    m_bFacesNearZ = headingInRange && TowardsNearZ(m_fHeading);
    m_bFacesFarZ = !m_bFacesNearZ;
    m_bNoseUp = m_fPitch > 0.0f;
    const float t = m_fHeadingTarget;
    const bool targetInRange = t >= -360.0f && t <= 360.0f;
    m_bAimsMinX = targetInRange && TowardsMinX(t);
    m_bAimsMaxX = !m_bAimsMinX;
    m_bAimsNearZ = targetInRange && TowardsNearZ(t);
    m_bAimsFarZ = !m_bAimsNearZ;
}

void CFish::Move() {
    if (m_fHeading > 360.0f)
        m_fHeading = 180.0f;
    if (m_fHeading < -360.0f)
        m_fHeading = -180.0f;
    UpdateDirectionFlags();
    // Just turned about at a side wall: wait until the heading has swung round.
    if (std::fabs(m_fHeading - m_fHeadingTarget) > 15.0f && (m_nWallHit == 1 || m_nWallHit == 2)) {
        return;
    }
    const float h = m_fHeading * kDegToRad;
    const float p = m_fPitchTarget * kDegToRad;
    const float v = m_fSpeed;
    if (m_bFacesMinX) {
        if (m_nWallHit != 1)
            m_vPos[0] -= std::fabs(std::cos(h)) * v;
    } else {
        if (m_nWallHit != 2)
            m_vPos[0] += std::fabs(std::cos(h)) * v;
    }
    if (m_bFacesNearZ) {
        if (m_nWallHit != 4)
            m_vPos[2] += std::fabs(std::sin(h)) * v;
    } else {
        if (m_nWallHit != 3)
            m_vPos[2] -= std::fabs(std::sin(h)) * v;
    }
    m_vPos[1] += std::sin(p) * v;
    KeepInTank();
}

void CFish::KeepInTank() {
    const float front = m_fFront;
    const float back = 2.0f * m_fFront;
    float* pos = m_vPos;
    m_nWallHit = 0;
    if (pos[0] < m_fMinX && m_bAimsMinX) {
        Turn(0.0f, false, 1);
        pos[0] = m_fMinX + 2.0f;
        m_nWallHit = 1;
    }
    if (pos[0] > m_fMaxX && m_bAimsMaxX) {
        Turn(0.0f, false, 1);
        pos[0] = m_fMaxX - 2.0f;
        m_nWallHit = 2;
    }
    if (pos[2] < back + 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (pos[2] < back && m_bAimsFarZ) {
        Turn(0.0f, false, 2);
        pos[2] = back;
        m_nWallHit = 3;
    }
    if (pos[2] > front - 10.0f)
        ApproachSpeed(0.01f, 0.1f);
    if (pos[2] > front && m_bAimsNearZ) {
        Turn(0.0f, true, 2);
        pos[2] = front;
        m_nWallHit = 4;
    }
    if (pos[1] >= m_fTop) {
        Tilt(0.0f, false, 3);
        pos[1] = m_fTop;
        m_nWallHit = 5;
        ApproachSpeed(0.1f, 0.05f);
    }
    if (pos[1] <= m_fBottom) {
        Tilt(0.0f, true, 3);
        pos[1] = m_fBottom;
        m_nWallHit = 6;
        ApproachSpeed(0.1f, 0.05f);
    }
}

void CFish::UpdateHeadTailAndBoxes() {
    const float size = static_cast<float>(m_nSize);
    const float l = size * m_fUnitLength / 2.0f;
    const float t = m_fHeadingTarget * kDegToRad;
    const float p = m_fPitchTarget * kDegToRad;
    const float dx = l * std::fabs(std::cos(t) * std::cos(p));
    const float dy = l * std::fabs(std::sin(p));
    const float dz = l * std::fabs(std::sin(t));
    const float hy = size * m_fUnitHeight / 2.0f * std::fabs(std::cos(p));
    const float hz = size * m_fUnitWidth / 2.0f * std::fabs(std::cos(t));
    const float* pos = m_vPos;
    const float sx = m_bFacesMinX ? -dx : dx;
    const float sy = m_bNoseUp ? dy : -dy;
    const float sz = m_bFacesFarZ ? -dz : dz;
    m_vHead[0] = pos[0] + sx;
    m_vTail[0] = pos[0] - sx;
    m_vHead[1] = pos[1] + sy;
    m_vTail[1] = pos[1] - sy;
    m_vHead[2] = pos[2] + sz;
    m_vTail[2] = pos[2] - sz;
    const float half[3] = {dx, dy > hy ? dy : hy, dz > hz ? dz : hz};
    const float grow[3] = {l, size * m_fUnitHeight / 4.0f, size * m_fUnitWidth / 4.0f};
    for (int k = 0; k < 3; ++k) {
        m_boxMax[k] = pos[k] + half[k];
        m_boxMin[k] = pos[k] - half[k];
        m_outerMax[k] = m_boxMax[k] + grow[k];
        m_outerMin[k] = m_boxMin[k] - grow[k];
    }
}
