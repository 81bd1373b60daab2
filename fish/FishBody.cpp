#include "fish/FishBody.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <initializer_list>

#include "fish/Fish.h"
#include "fish/FishShape.h"
#include "fish/FishSpeciesShape.h"

namespace {

// Every vertex of one fish, gathered so the whole fish reaches GL in one call.
constexpr int kMaxVertices = 1200;
constexpr int kMaxStrips = 64;

struct FishBatch {
    float pos[kMaxVertices][3];
    float nrm[kMaxVertices][3];
    float tex[kMaxVertices][2];
    GLint first[kMaxStrips];
    GLsizei count[kMaxStrips];
    int vertices = 0;
    int strips = 0;
    float offsetX = 0.0f, offsetY = 0.0f;  // eye twitches so far (model-view translations)
};

FishBatch g_batch;
FishSubmit g_submit = FishSubmit::Arrays;

void BeginStrip() {
    g_batch.first[g_batch.strips] = g_batch.vertices;
}

void EndStrip() {
    g_batch.count[g_batch.strips] = g_batch.vertices - g_batch.first[g_batch.strips];
    ++g_batch.strips;
}

void Flush() {
    FishBatch& b = g_batch;
    if (g_submit == FishSubmit::Arrays) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, b.pos);
        glNormalPointer(GL_FLOAT, 0, b.nrm);
        glTexCoordPointer(2, GL_FLOAT, 0, b.tex);
        glMultiDrawArrays(GL_QUAD_STRIP, b.first, b.count, b.strips);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    } else {
        for (int s = 0; s < b.strips; ++s) {
            glBegin(GL_QUAD_STRIP);
            for (int i = b.first[s]; i < b.first[s] + b.count[s]; ++i) {
                glNormal3f(b.nrm[i][0], b.nrm[i][1], b.nrm[i][2]);
                glTexCoord2f(b.tex[i][0], b.tex[i][1]);
                glVertex3fv(b.pos[i]);
            }
            glEnd();
        }
    }
    b.vertices = 0;
    b.strips = 0;
}

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

void Emit(Model& m, const FishPartTable& tb, int index, float x, float y, float z) {
    const float* n = tb.n[index];
    const float* t = tb.t[index];
    m.fish.EmitVertex(x, y, z, n[0], n[1], n[2], t[0], t[1]);
}

// A grid part: R - 1 strips, each drawn as stored and then mirrored when two-sided.
// place(row, column, x, y, z) gives the vertex; angleOf(column) its rotation.
template <class AngleOf, class Place>
void DrawGrid(Model& m, const FishPartTable& tb, bool twoSided, AngleOf angleOf, Place place) {
    for (int r = 0; r + 1 < tb.rows; ++r) {
        for (int side = 0; side < (twoSided ? 2 : 1); ++side) {
            BeginStrip();
            for (int c = 0; c < tb.cols; ++c) {
                Rotate(m, angleOf(c));
                for (int row = r; row <= r + 1; ++row) {
                    float x, y, z;
                    place(row, c, x, y, z);
                    Emit(m, tb, row * tb.cols + c, x, side ? -y : y, z);
                }
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
        });
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
        BeginStrip();
        for (int c = 0; c < tb.cols; ++c) {
            Rotate(m, c == 0 ? m.pose.seg[12] : m.pose.seg[13]);
            const int rootIndex = c / fan;
            const int edgeIndex = tb.cols + c;
            for (int index : {rootIndex, edgeIndex}) {
                float x, y, z;
                Scaled(m, tb.v[index], 0, 0, 0, x, y, z);
                if (c == 5)
                    TailLastColumn(species, index == edgeIndex, x, z);
                if (copy == 1)
                    z = -z - m.size * 0.025f;
                Emit(m, tb, index, x, y, z);
            }
        }
        EndStrip();
    }
}

// Eye disc: the centre row fans out to the inner ring, the inner ring joins the rim.
void DrawHeadDisc(Model& m, const FishPartTable& tb, float angle, bool mirrored) {
    Rotate(m, angle);
    for (int strip = 0; strip < 2; ++strip) {
        BeginStrip();
        for (int c = 0; c < 9; ++c) {
            const int inner = strip == 0 ? c / 2 : 9 + c;
            const int outer = strip == 0 ? 9 + c : 18 + c;
            for (int index : {inner, outer}) {
                float x, y, z;
                Scaled(m, tb.v[index], 0, 0, 0, x, y, z);
                Emit(m, tb, index, x, mirrored ? -y : y, z);
            }
        }
        EndStrip();
    }
}

}  // namespace

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
    FishBatch& b = g_batch;
    const float* m = m_matPart;
    float* p = b.pos[b.vertices];
    p[0] = m[0] * x + m[4] * y + m[8] * z + m[12] + b.offsetX;
    p[1] = m[1] * x + m[5] * y + m[9] * z + m[13] + b.offsetY;
    p[2] = m[2] * x + m[6] * y + m[10] * z + m[14];
    b.nrm[b.vertices][0] = nx;
    b.nrm[b.vertices][1] = ny;
    b.nrm[b.vertices][2] = nz;
    b.tex[b.vertices][0] = s;
    b.tex[b.vertices][1] = t;
    ++b.vertices;
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
    g_batch.vertices = 0;
    g_batch.strips = 0;
    g_batch.offsetX = g_batch.offsetY = 0.0f;
    DrawBody(m);
    DrawPairedFinA(m);
    DrawPairedFinB(m);
    DrawLongFin(m);
    DrawFinC(m);
    DrawFinD(m);
    DrawFinE(m);
    DrawTailFin(m);
    // A twitch translates the model-view matrix and stays until the fish's matrix is popped.
    if (pose.twitchA) {
        g_batch.offsetX += pose.twitchAX;
        g_batch.offsetY += pose.twitchAY;
    }
    DrawHeadDisc(m, g_fishDiscA, pose.seg[0], false);
    if (pose.twitchB) {
        g_batch.offsetX += pose.twitchBX;
        g_batch.offsetY += pose.twitchBY;
    }
    DrawHeadDisc(m, g_fishDiscB, pose.seg[1], true);
    Flush();
}

void SetFishSubmit(FishSubmit mode) {
    g_submit = mode;
}
