#include "fish/Fish.h"

#include <cmath>

#include "fish/FishBody.h"
#include "platform/Random.h"

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr float kPi = 3.14159265f;

// Placement extents of a size-1 fish; the boxes are rebuilt after the first step.
constexpr float kUnitLength = 0.64383f;
constexpr float kUnitWidth = 1.0f;
constexpr float kUnitHeight = 0.181513f;
constexpr float kPlacedBoxX = 0.321915f;
constexpr float kPlacedBoxY = 0.0907566f;
constexpr float kPlacedBoxZ = 0.5f;
constexpr float kPlacedHead[3] = {0.321915f, -0.0001499f, 0.153061f};
constexpr float kPlacedTail[3] = {-0.321915f, 0.0f, 0.0558026f};

// cos >= 0 ranges: the heading moves the fish towards -x.
bool TowardsMinX(float a) {
    return (a >= 0.0f && a <= 90.0f) || (a >= 270.0f && a <= 360.0f) ||
           (a >= -90.0f && a <= 0.0f) || (a >= -360.0f && a <= -270.0f);
}

// sin >= 0 ranges: the heading moves the fish towards +z.
bool TowardsNearZ(float a) {
    return (a >= 0.0f && a <= 180.0f) || (a >= -360.0f && a <= -180.0f);
}

float Clamp(float v, float lo, float hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

CFish::CFish()
    : m_nSize(Rand() % 7 + 2),
      m_fPitchTarget(static_cast<float>(Rand() % 45)),
      m_fHeadingTarget(static_cast<float>(Rand() % 180)),
      m_nFinTick(Rand() % 15),
      m_fWave1Step(kPi / 4.0f),
      m_fWave1Inc(kPi / 6.0f),
      m_fWave2Step(kPi / 16.0f),
      m_fWave2Inc(kPi / 6.0f),
      m_fWave3Step(kPi / 16.0f),
      m_fWave3Inc(kPi / 6.0f),
      m_nDecideTick(Rand() % 200) {
    for (int i = 0; i < 16; ++i)
        m_matPart[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void CFish::SetBounds(float left, float right, float top, float bottom, float front) {
    m_fMinX = left;
    m_fMaxX = right;
    m_fTop = top + 10.0f;
    m_fBottom = bottom + 5.0f;
    m_fFront = front;
    m_nWallHit = 0;
    ResetPlacementExtents();
}

void CFish::ResetPlacementExtents() {
    m_fUnitLength = kUnitLength;
    m_fUnitWidth = kUnitWidth;
    m_fUnitHeight = kUnitHeight;
    const float box[3] = {kPlacedBoxX, kPlacedBoxY, kPlacedBoxZ};
    for (int k = 0; k < 3; ++k) {
        m_boxMax[k] = m_outerMax[k] = box[k];
        m_boxMin[k] = m_outerMin[k] = -box[k];
        m_vHead[k] = kPlacedHead[k];
        m_vTail[k] = kPlacedTail[k];
    }
    m_bTouching = false;
}

void CFish::UpdateAndDraw(int nSpecies, bool bDraw) {
    m_nSpecies = nSpecies;
    ComputeSegmentAngles();
    ComputeFinWaves();
    ComputePairedFins();
    ApplySpeciesScale();
    StepPitch();
    if (bDraw)
        BeginFishModelMatrix(m_fPitch, m_fHeading);
    DecideWander();
    DrawTwitches();
    if (bDraw)
        DrawFishModel(*this);
    Move();
    UpdateHeadTailAndBoxes();
    if (bDraw)
        EndFishModelMatrix();
}

// The heading steps 2 degrees every third frame; the body segments trail it while it turns and
// catch up afterwards. The segments are the drawn heading.
void CFish::ComputeSegmentAngles() {
    const float target = m_fHeadingTarget;
    if (std::fabs(m_fLastTarget - target) > 0.01f) {
        m_bTurnDone = false;
        m_bBodySettled = false;
        m_fLastTarget = target;
    }
    if (m_nTurnTick++ == 2) {
        m_nTurnTick = 0;
        if (!m_bTurnDone) {
            if (m_fHeading < target) {
                m_fHeading = std::fmin(m_fHeading + 2.0f, target);
            } else if (m_fHeading > target) {
                m_fHeading = std::fmax(m_fHeading - 2.0f, target);
            }
            if (static_cast<int>(m_fHeading - target) == 0)
                m_bTurnDone = true;
        }
    }
    float* seg = m_pose.seg;
    if (!m_bTurnDone) {
        if (m_nWallHit == 1 || m_nWallHit == 2) {
            for (int i = 0; i < kFishSegments; ++i) {
                seg[i] = target;
                m_nSegAngle[i] = static_cast<int>(target);
            }
            m_fHeading = target;
            return;
        }
        const float diff = std::fabs(m_fHeading - target);
        const float per = std::fmin(1.0f, diff / 13.0f);
        for (int i = 0; i < kFishSegments; ++i) {
            // Equal heading and target: the whole body lies along the heading.
            float a = m_fHeading;
            if (m_fHeading < target)
                a = m_fHeading - i * per;
            if (m_fHeading > target)
                a = m_fHeading + i * per;
            seg[i] = a;
            m_nSegAngle[i] = static_cast<int>(a);
        }
        return;
    }
    if (!m_bBodySettled) {
        const float step = 1.0f + (Rand() % 90) * 0.01f;
        const int limit = static_cast<int>(target);
        bool changed = false;
        for (int i = 0; i < kFishSegments; ++i) {
            int v = m_nSegAngle[i];
            const int before = v;
            if (v < target) {
                v = static_cast<int>(v + step);
                if (v > target)
                    v = limit;
            }
            if (v > target) {
                v = static_cast<int>(v - step);
                if (v < target)
                    v = limit;
            }
            m_nSegAngle[i] = v;
            if (v != before)
                changed = true;
        }
        if (!changed)
            m_bBodySettled = true;
    }
    for (int i = 0; i < kFishSegments; ++i)
        seg[i] = static_cast<float>(m_nSegAngle[i]);
}

namespace {

// One fin wave's counter: the phase advances on the frame after the counter passes its limit.
void AdvanceWave(int& tick, float& phase, int limit, float inc) {
    if (tick++ > limit) {
        tick = 0;
        phase += inc;
    }
    if (phase > 6.283185f)
        phase = 0.0f;
}

}  // namespace

void CFish::ComputeFinWaves() {
    AdvanceWave(m_nWave1Tick, m_fWave1Phase, 5, m_fWave1Inc);
    for (int i = 0; i < 11; ++i) {
        m_pose.wave1[i] = m_fWave1Amp * std::sin(i * m_fWave1Step + m_fWave1Phase);
    }
    AdvanceWave(m_nWave2Tick, m_fWave2Phase, 2, m_fWave2Inc);
    for (int i = 0; i < 8; ++i) {
        m_pose.wave2[i] = (8 - i) * 0.0015f * std::sin(i * m_fWave2Step + m_fWave2Phase);
    }
    AdvanceWave(m_nWave3Tick, m_fWave3Phase, 5, m_fWave3Inc);
    for (int i = 0; i < 5; ++i) {
        m_pose.wave3[i] = i * 0.01f * std::sin(i * m_fWave3Step + m_fWave3Phase);
    }
}

void CFish::ComputePairedFins() {
    for (int i = 0; i < 4; ++i)
        m_pose.fin1[i] = m_bFinRest ? 0.0f : m_nSize * m_fFinLiftA * i;
    const int beat = Rand() % 10 + 15;
    if (m_nFinTick++ > beat) {
        m_nFinTick = 0;
        m_bFinRest = !m_bFinRest;
    }
    for (int i = 0; i < 4; ++i)
        m_pose.fin2[i] = m_bFinRest ? 0.0f : m_nSize * m_fFinLiftB * i;
}

void CFish::ApplySpeciesScale() {
    m_fScaleX = m_fScaleY = m_fScaleZ = 1.0f;
    switch (m_nSpecies) {
        case 7:
            m_fScaleZ = 2.0f;
            break;
        case 10:
            m_fScaleZ = 1.3f;
            break;
        case 13:
            m_fScaleX = 0.8f;
            m_fScaleZ = 1.5f;
            break;
        case 15:
            m_fScaleX = 1.1f;
            m_fScaleZ = 0.9f;
            break;
        case 17:
            m_fScaleX = 0.8f;
            m_fScaleZ = 1.2f;
            break;
        default:
            break;
    }
}

void CFish::StepPitch() {
    if (m_fPitch < m_fPitchTarget)
        m_fPitch += 1.0f;
    if (m_fPitch > m_fPitchTarget)
        m_fPitch -= 1.0f;
}

void CFish::DecideWander() {
    if (m_bTouching || m_bEating)
        return;
    if (m_nDecideTick++ <= 200)
        return;
    m_nDecideTick = Rand() % 100;
    const float goal = (Rand() % 4 + 1) * 0.1f;
    ApproachSpeed(0.05f, goal);
    if (std::fabs(m_fHeading - m_fHeadingTarget) < 0.01f) {
        if (InDeepBand())
            Turn(0.0f, false, 0);
        Tilt(0.0f, false, 0);
    }
    // The paired fins keep beating as they were: the decision leaves m_bFinRest alone.
}

void CFish::DrawTwitches() {
    const float size = static_cast<float>(m_nSize);
    m_pose.twitchA = Rand() % 40 == 0;
    if (m_pose.twitchA) {
        m_pose.twitchAX = size * (Rand() % 10) * 0.001f;
        m_pose.twitchAY = size * (Rand() % 10) * 0.001f;
    }
    m_pose.twitchB = Rand() % 40 == 0;
    if (m_pose.twitchB) {
        m_pose.twitchBX = size * (Rand() % 10) * 0.001f;
        m_pose.twitchBY = size * (Rand() % 10) * 0.001f;
    }
}

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
