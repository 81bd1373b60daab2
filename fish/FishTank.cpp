#include "fish/FishTank.h"

#include <cmath>

#include "fish/Fish.h"
#include "platform/Random.h"
#include "scene/FoodPellet.h"
#include "scene/Terrain.h"

namespace {

constexpr float kRadToDeg = 57.29577951f;

// Slope dz/dx (or dy/dx) of a line, steep lines scaled up rather than divided by ~0.
float Slope(float dx, float d) {
    return std::fabs(dx) <= 0.0001f ? d * 10000.0f : d / dx;
}

// Angle between two lines given by their slopes, 0..90 degrees.
float AngleBetween(float m1, float m2) {
    const float den = 1.0f + m1 * m2;
    const float t = std::fabs(den) > 0.0001f ? (m2 - m1) / den : (m2 - m1) * 10000.0f;
    return std::atan(std::fabs(t)) * kRadToDeg;
}

}  // namespace

int BuildSpeciesRanges(const int counts[kSpeciesCount], int start[kSpeciesCount],
                       int end[kSpeciesCount]) {
    int next = 0;
    for (int j = 0; j < kSpeciesCount; ++j) {
        const int count = counts[j] > 0 ? counts[j] : 0;
        start[j] = next;
        next = next + count < kMaxFish ? next + count : kMaxFish;
        end[j] = next;
    }
    return next;
}

void PlaceFish(FishTankRefs& tank) {
    int width = static_cast<int>(tank.maxX - tank.minX);
    if (width < 1)
        width = 1;
    if (width > kTerrainMaxRows)
        width = kTerrainMaxRows;
    for (int i = 0; i < kMaxFish; ++i) {
        CFish& fish = tank.fish[i];
        const int a = Rand() % 50;
        const int b = Rand() % 20;
        const int row = Rand() % width;
        const int col = Rand() % 30 + 15;
        const float* v = g_terrainVertices[row][col];
        fish.m_vPos[0] = v[0];
        fish.m_vPos[1] = tank.minY - v[1] + a + 10.0f;
        fish.m_vPos[2] = v[2] + tank.minZ + b;
        fish.SetBounds(tank.minX, tank.maxX, tank.maxY, tank.minY, tank.minZ + 9.0f);
    }
}

void RunFishFrame(FishTankRefs& tank, const int counts[kSpeciesCount],
                  const GLuint fishTex[kSpeciesCount], bool draw) {
    int start[kSpeciesCount], end[kSpeciesCount];
    const int total = BuildSpeciesRanges(counts, start, end);
    if (total == 0)
        return;
    int species = 0;
    for (int i = 0; i < total; ++i) {
        while (i >= end[species])
            ++species;
        CFish& fish = tank.fish[i];
        if (draw) {
            glPushMatrix();
            glTranslatef(fish.m_vPos[0], fish.m_vPos[1], fish.m_vPos[2]);
            glBindTexture(GL_TEXTURE_2D, fishTex[species]);
        }
        if (i == start[species])
            fish.Resize(0.1f, true, true);
        fish.UpdateAndDraw(species, draw);
        if (draw)
            glPopMatrix();
        SteerFishToFood(tank, i);
        CaptureFood(tank, i);
        ResolveFishContacts(tank, i, total);
        RecordFishPosition(tank, i);
    }
    SeparateFish(tank, total);
}

float FoodBearingAngle(const CFish& fish, const float pellet[3]) {
    const float* pos = fish.m_vPos;
    const float* head = fish.m_vHead;
    const float m1 = Slope(head[0] - pos[0], head[2] - pos[2]);
    const float m2 = Slope(pos[0] - pellet[0], pos[2] - pellet[2]);
    return AngleBetween(m1, m2);
}

// Measured from the pellet's own x and y, not from the fish.
float FoodElevationAngle(const float pellet[3]) {
    const float x = pellet[0], y = pellet[1];
    if (x == 0.0f && y == 0.0f)
        return 0.0f;
    if (std::fabs(x) < 0.0001f)
        return y < 0.0f ? 270.0f : 90.0f;
    if (std::fabs(y) < 0.0001f)
        return x > 0.0f ? 0.0f : 180.0f;
    const int v = static_cast<int>(std::atan(std::fabs(y / x)) * kRadToDeg);
    return static_cast<float>(x > 0.0f && y > 0.0f ? v : 90 - v);
}

void SteerFishToFood(FishTankRefs& tank, int i) {
    CFish& fish = tank.fish[i];
    const float* head = fish.m_vHead;
    fish.SetEating(false);
    for (int k = 0; k < kFoodPelletCount; ++k) {
        const CFoodPellet& pellet = tank.food[k];
        if (!pellet.IsActive())
            continue;
        const float* p = pellet.m_vWorld;
        if (std::fabs(head[0] - p[0]) < 20.0f && std::fabs(head[1] - p[1]) < 20.0f) {
            fish.SetEating(true);
            fish.ApproachSpeed(0.1f, 0.1f);
            const float e = FoodBearingAngle(fish, p);
            const float d = FoodElevationAngle(p);
            if (e < 1.0f) {
                fish.Tilt(d, head[1] <= p[1], 7);
            } else {
                const bool facesIt =
                    (fish.m_bFacesMinX && head[0] > p[0]) || (fish.m_bFacesMaxX && head[0] < p[0]);
                if (facesIt)
                    fish.Turn(e, head[2] > p[2], 7);
                const bool facesAway =
                    (fish.m_bFacesMinX && head[0] < p[0]) || (fish.m_bFacesMaxX && head[0] > p[0]);
                if (facesAway)
                    fish.Turn(180.0f - e, true, 7);
            }
        }
        if (std::fabs(head[0] - p[0]) < 3.0f && std::fabs(head[1] - p[1]) < 3.0f) {
            fish.ApproachSpeed(0.1f, 0.05f);
        }
    }
}

// A pellet near the head drifts into the mouth and is eaten there.
void CaptureFood(FishTankRefs& tank, int i) {
    const float* head = tank.fish[i].m_vHead;
    for (int k = 0; k < kFoodPelletCount; ++k) {
        CFoodPellet& pellet = tank.food[k];
        if (!pellet.IsActive())
            continue;
        const float dx = head[0] - pellet.m_vWorld[0];
        const float dy = head[1] - pellet.m_vWorld[1];
        const float dz = head[2] - pellet.m_vWorld[2];
        if (std::fabs(dx) < 3.0f && std::fabs(dy) < 3.0f && std::fabs(dz) < 10.0f) {
            pellet.Push(0.005f * dx, 0.005f * dy, 0.0f);
            if (std::fabs(dx) < 2.0f && std::fabs(dy) < 2.0f && std::fabs(dz) < 5.0f &&
                pellet.m_fAlive > 0.0f) {
                pellet.Eat();
            }
        }
    }
}

float FishAxisAngle(const CFish& a, const CFish& b, int axis) {
    const float s1 = Slope(a.m_vHead[0] - a.m_vPos[0], a.m_vHead[axis] - a.m_vPos[axis]);
    const float s2 = Slope(b.m_vHead[0] - b.m_vPos[0], b.m_vHead[axis] - b.m_vPos[axis]);
    return AngleBetween(s1, s2);
}

void ResolveFishContacts(FishTankRefs& tank, int i, int total) {
    CFish& a = tank.fish[i];
    a.m_bTouching = false;
    for (int j = 0; j < total; ++j) {
        if (j == i)
            continue;
        CFish& b = tank.fish[j];
        if (b.m_outerMax[0] < a.m_outerMin[0] || a.m_outerMax[0] < b.m_outerMin[0] ||
            a.m_outerMin[1] > b.m_outerMax[1] || a.m_outerMax[1] < b.m_outerMin[1] ||
            a.m_outerMin[2] > b.m_outerMax[2] || a.m_outerMax[2] < b.m_outerMin[2]) {
            continue;
        }
        a.m_bTouching = true;
        b.m_bTouching = true;
        const float xy = FishAxisAngle(a, b, 1);
        const float xz = FishAxisAngle(a, b, 2);
        if (xy <= 10.0f && xz <= 10.0f) {
            const bool headOn =
                (a.m_bAimsMinX && b.m_bAimsMaxX) || (a.m_bAimsMaxX && b.m_bAimsMinX);
            if (headOn) {
                CFish& smaller = a.m_nSize < b.m_nSize ? a : b;
                smaller.Turn(0.0f, true, 6);
            } else if ((a.m_bAimsMinX && a.m_vPos[0] > b.m_vPos[0]) ||
                       (a.m_bAimsMaxX && a.m_vPos[0] < b.m_vPos[0])) {
                b.ApproachSpeed(0.1f, a.m_fSpeed + 0.1f);
            } else {
                a.ApproachSpeed(0.1f, b.m_fSpeed + 0.1f);
            }
        } else {
            a.Turn(0.0f, a.m_vPos[2] > b.m_vPos[2], 5);
        }
    }
}

void RecordFishPosition(FishTankRefs& tank, int i) {
    for (int k = 0; k < 3; ++k)
        tank.snapshot[i][k] = tank.fish[i].m_vPos[k];
}

void SeparateFish(FishTankRefs& tank, int total) {
    for (int a = 0; a < total; ++a) {
        for (int b = a + 1; b < total; ++b) {
            const float* pa = tank.snapshot[a];
            const float* pb = tank.snapshot[b];
            if (std::fabs(pa[0] - pb[0]) < 5.0f && std::fabs(pa[1] - pb[1]) < 5.0f &&
                std::fabs(pa[2] - pb[2]) < 5.0f) {
                tank.fish[a].Tilt(1.0f, pa[1] > pb[1], 5);
            }
        }
    }
}
