#include "fish/FishBody.h"

#include <GL/gl.h>

#include <cmath>

#include "fish/Fish.h"
#include "fish/FishBatch.h"
#include "fish/FishShape.h"
#include "fish/FishSpeciesShape.h"

namespace {

// Per-fish inputs shared by the parts.
struct Model {
    CFish& fish;
    const FishPose& pose;
    float size, sx, sy, sz;
    float angle;  // the rotation m_matPart holds now
};

void Rotate(Model& m, float angle) {
    if (angle == m.angle)
        return;  // the same matrix again
    m.fish.SetPartRotation(angle);
    m.angle = angle;
}

// Emits a vertex with the table's normal and skin coordinate; returns its number in the batch.
int Emit(Model& m, const FishPartTable& tb, int index, float x, float y, float z) {
    const float* n = tb.n[index];
    const float* t = tb.t[index];
    m.fish.EmitVertex(x, y, z, n[0], n[1], n[2], t[0], t[1]);
    return FishBatchCount() - 1;
}

// A grid part: R - 1 strips, each drawn as stored and then mirrored when two-sided.
// place(row, column, x, y, z) gives the vertex; angleOf(column) its rotation. Each vertex is
// computed once, column by column, and the strips refer to it.
template <class AngleOf, class Place>
void DrawGrid(Model& m, const FishPartTable& tb, bool twoSided, AngleOf angleOf, Place place,
              bool closedBody = false) {
    const int sides = twoSided ? 2 : 1;
    int first[2] = {0, 0};
    for (int side = 0; side < sides; ++side) {
        first[side] = FishBatchCount();
        for (int c = 0; c < tb.cols; ++c) {
            Rotate(m, angleOf(c));
            for (int r = 0; r < tb.rows; ++r) {
                float x, y, z;
                place(r, c, x, y, z);
                Emit(m, tb, r * tb.cols + c, x, side ? -y : y, z);
            }
        }
    }
    for (int r = 0; r + 1 < tb.rows; ++r) {
        for (int side = 0; side < sides; ++side) {
            BeginStrip(!closedBody ? kOpenSheet : side ? kBodyMirrored : kBodyStored);
            for (int c = 0; c < tb.cols; ++c) {
                StripVertex(first[side] + c * tb.rows + r);
                StripVertex(first[side] + c * tb.rows + r + 1);
            }
            EndStrip();
        }
    }
}

// Table vertex scaled by size and shape, with an offset added before the shape scale.
void Scaled(const Model& m, const float* v, float ox, float oy, float oz, float& x, float& y,
            float& z) {
    x = (m.size * v[0] + ox) * m.sx;
    y = (m.size * v[1] + oy) * m.sy;
    z = (m.size * v[2] + oz) * m.sz;
}

void DrawBody(Model& m) {
    const FishPartTable& tb = g_fishBody;
    DrawGrid(
        m, tb, true, [&](int c) { return m.pose.seg[c]; },
        [&](int r, int c, float& x, float& y, float& z) {
            Scaled(m, tb.v[r * tb.cols + c], 0, 0, 0, x, y, z);
        },
        true);
}

void DrawPairedFinA(Model& m) {
    const FishPartTable& tb = g_fishFinA;
    DrawGrid(
        m, tb, true, [&](int) { return m.pose.seg[0]; },
        [&](int r, int c, float& x, float& y, float& z) {
            Scaled(m, tb.v[r * tb.cols + c], 0, 0, -m.pose.fin1[c], x, y, z);
        });
}

void DrawPairedFinB(Model& m) {
    const FishPartTable& tb = g_fishFinB;
    DrawGrid(
        m, tb, true, [&](int) { return m.pose.seg[0]; },
        [&](int r, int c, float& x, float& y, float& z) {
            Scaled(m, tb.v[r * tb.cols + c], 0, 0, m.pose.fin2[c], x, y, z);
        });
}

void DrawLongFin(Model& m) {
    const FishPartTable& tb = g_fishLongFin;
    const float a0 = (m.pose.seg[2] + m.pose.seg[3]) / 2.0f;
    const float a11 = (m.pose.seg[11] + m.pose.seg[12]) / 2.0f;
    float f;
    float o[11];
    LongFinProfile(m.fish.m_nSpecies, m.size, f, o);
    DrawGrid(
        m, tb, false, [&](int c) { return a0 + c * (a11 - a0) / 11.0f; },
        [&](int r, int c, float& x, float& y, float& z) {
            const float* v = tb.v[r * tb.cols + c];
            const float w = m.pose.wave1[c];
            x = m.size * v[0] * m.sx;
            if (r == 0) {
                y = (m.size * v[1] + m.size * w) * m.sy + w;
                z = m.size * v[2] * m.sz * f + o[c];
            } else {
                y = m.size * v[1] * m.sy;
                z = (v[2] - 0.09f) * m.size * m.sz * 0.05f;
            }
        });
}

void DrawFinC(Model& m) {
    const FishPartTable& tb = g_fishFinC;
    DrawGrid(
        m, tb, true, [&](int) { return m.pose.seg[3]; },
        [&](int r, int c, float& x, float& y, float& z) {
            const float w = c < 7 ? m.size * m.pose.wave2[c] : 0.0f;
            Scaled(m, tb.v[r * tb.cols + c], 4.0f * w, w, 2.0f * w, x, y, z);
        });
}

void DrawFinD(Model& m) {
    const FishPartTable& tb = g_fishFinD;
    DrawGrid(
        m, tb, true, [&](int) { return m.pose.seg[3]; },
        [&](int r, int c, float& x, float& y, float& z) {
            Scaled(m, tb.v[r * tb.cols + c], 0, m.size * m.pose.wave3[c / 3], 0, x, y, z);
        });
}

void DrawFinE(Model& m) {
    const FishPartTable& tb = g_fishFinE;
    FinEProfile p;
    FinEProfileFor(m.fish.m_nSpecies, m.size, p);
    DrawGrid(
        m, tb, false, [&](int c) { return m.pose.seg[6 + c]; },
        [&](int r, int k, float& x, float& y, float& z) {
            const float* v = tb.v[r * tb.cols + k];
            x = m.size * v[0] * m.sx * p.g + (r == 0 ? p.d[k] : 2.0f * p.d[k]);
            y = m.size * v[1] * m.sy;
            z = r == 0 ? m.size * v[2] * m.sz : m.size * v[2] * m.sz * p.f - p.u[k];
        });
}

void DrawTailFin(Model& m) {
    const FishPartTable& tb = g_fishTailFin;
    const int species = m.fish.m_nSpecies;
    const int fan = TailFanDivisor(species);
    const bool lowerLobe = TailHasLowerLobe(species);
    for (int copy = 0; copy < (lowerLobe ? 2 : 1); ++copy) {
        int root[6], edge[6];
        for (int c = 0; c < tb.cols; ++c) {
            Rotate(m, c == 0 ? m.pose.seg[12] : m.pose.seg[13]);
            // Columns 1..5 turn alike: those sharing a root point share its vertex.
            const bool sharedRoot = c >= 2 && c / fan == (c - 1) / fan && species != 12;
            for (int row = sharedRoot ? 1 : 0; row < 2; ++row) {
                const int index = row == 0 ? c / fan : tb.cols + c;
                float x, y, z;
                Scaled(m, tb.v[index], 0, 0, 0, x, y, z);
                if (c == 5)
                    TailLastColumn(species, row == 1, x, z);
                if (copy == 1)
                    z = -z - m.size * 0.025f;
                (row == 0 ? root[c] : edge[c]) = Emit(m, tb, index, x, y, z);
            }
        }
        for (int c = 2; c < tb.cols; ++c) {
            if (c / fan == (c - 1) / fan && species != 12)
                root[c] = root[c - 1];
        }
        BeginStrip();
        for (int c = 0; c < tb.cols; ++c) {
            StripVertex(root[c]);
            StripVertex(edge[c]);
        }
        EndStrip();
    }
}

// The rim's last point, which ends a disc's second strip.
constexpr int kDiscLastRimPoint = 26;

// Eye disc: the centre row fans out to the inner ring, the inner ring joins the rim.
void DrawHeadDisc(Model& m, const FishPartTable& tb, float angle, bool mirrored) {
    Rotate(m, angle);
    int vertex[27];
    for (int index = 0; index < 27; ++index) {
        if (index >= 5 && index < 9)
            continue;  // row-0 points 5..8 are not used
        float x, y, z;
        Scaled(m, tb.v[index], 0, 0, 0, x, y, z);
        vertex[index] = Emit(m, tb, index, x, mirrored ? -y : y, z);
    }
    for (int strip = 0; strip < 2; ++strip) {
        BeginStrip();
        for (int c = 0; c < 9; ++c) {
            StripVertex(vertex[strip == 0 ? c / 2 : 9 + c]);
            StripVertex(vertex[strip == 0 ? 9 + c : 18 + c]);
        }
        EndStrip();
    }
}

}  // namespace

const float* FishTrailingNormal() {
    return g_fishDiscB.n[kDiscLastRimPoint];
}

void BuildRotation(float m[16], float angle, float ax, float ay, float az) {
    const float len = std::sqrt(ax * ax + ay * ay + az * az);
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    if (len == 0.0f)
        return;
    const float x = ax / len, y = ay / len, z = az / len;
    const float c = std::cos(angle), s = std::sin(angle), k = 1.0f - c;
    m[0] = c + x * x * k;
    m[1] = x * y * k + z * s;
    m[2] = x * z * k - y * s;
    m[4] = x * y * k - z * s;
    m[5] = c + y * y * k;
    m[6] = y * z * k + x * s;
    m[8] = x * z * k + y * s;
    m[9] = y * z * k - x * s;
    m[10] = c + z * z * k;
}

void CFish::SetPartRotation(float angle) {
    BuildRotation(m_matPart, static_cast<float>(angle * 0.017453292519943295), 0.0f, 0.0f, 1.0f);
}

void CFish::EmitVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t) {
    const float* m = m_matPart;
    FishBatchVertex(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                    m[2] * x + m[6] * y + m[10] * z + m[14], nx, ny, nz, s, t);
}

void BeginFishModelMatrix(float pitch, float heading) {
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);  // the model is built with z up
    const float h = heading * 0.017453292f;
    glRotatef(-pitch, std::sin(h), -std::cos(h), 0.0f);
}

void EndFishModelMatrix() {
    glPopMatrix();
}

void DrawFishModel(CFish& fish) {
    const FishPose& pose = fish.Pose();
    Model m{fish,           pose, static_cast<float>(fish.m_nSize), fish.m_fScaleX, fish.m_fScaleY,
            fish.m_fScaleZ, NAN};
    FishBatchReset();
    DrawBody(m);
    DrawPairedFinA(m);
    DrawPairedFinB(m);
    DrawLongFin(m);
    DrawFinC(m);
    DrawFinD(m);
    DrawFinE(m);
    DrawTailFin(m);
    // A twitch translates the model-view matrix and stays until the fish's matrix is popped.
    if (pose.twitchA)
        FishBatchTranslate(pose.twitchAX, pose.twitchAY);
    DrawHeadDisc(m, g_fishDiscA, pose.seg[0], false);
    if (pose.twitchB)
        FishBatchTranslate(pose.twitchBX, pose.twitchBY);
    DrawHeadDisc(m, g_fishDiscB, pose.seg[1], true);
    FishBatchFlush();
}
