#include "fish/Fish.h"

#include <cmath>

#include "fish/FishBody.h"
#include "platform/Random.h"

namespace {

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

// The species and its shape are what the next step sets first, so they change nothing.
void CFish::DrawPose(int nSpecies) {
    m_nSpecies = nSpecies;
    ApplySpeciesScale();
    BeginFishModelMatrix(m_fPitch, m_fHeading);
    DrawFishModel(*this);
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
