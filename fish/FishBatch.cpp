#include "fish/FishBatch.h"

#include <GL/gl.h>

namespace {

constexpr int kMaxVertices = 1024;
constexpr int kMaxStrips = 64;
constexpr int kMaxStripIndices = 1600;

struct FishBatch {
    float pos[kMaxVertices][3];
    float nrm[kMaxVertices][3];
    float tex[kMaxVertices][2];
    GLushort strip[kMaxStripIndices];
    int stripStart[kMaxStrips + 1];
    unsigned char stripKind[kMaxStrips];  // StripKind
    GLushort triangles[kMaxStripIndices * 3];
    int vertices = 0;
    int indices = 0;
    int strips = 0;
    float offsetX = 0.0f, offsetY = 0.0f;  // eye twitches so far (model-view translations)
};

FishBatch g_batch;
FishSubmit g_submit = FishSubmit::Arrays;

bool SamePoint(int a, int b) {
    const float* p = g_batch.pos[a];
    const float* q = g_batch.pos[b];
    return p[0] == q[0] && p[1] == q[1] && p[2] == q[2];
}

// Two corners in one place: the nose and tail tips, the eye centres, a fanned tail's root.
bool Degenerate(const GLushort t[3]) {
    return SamePoint(t[0], t[1]) || SamePoint(t[1], t[2]) || SamePoint(t[0], t[2]);
}

// Quad strips as the triangles GL splits them into: quad (a, b, c, d) of a strip becomes
// (c, a, d) and (a, b, d): the same triangles, so the pixels are the same.
// Grouped by strip kind; returns where each kind's triangles start (and the end).
void StripsToTriangles(int start[kStripKinds + 1]) {
    FishBatch& b = g_batch;
    int n = 0;
    for (int kind = 0; kind < kStripKinds; ++kind) {
        start[kind] = n;
        for (int s = 0; s < b.strips; ++s) {
            if (b.stripKind[s] != kind)
                continue;
            for (int i = b.stripStart[s]; i + 3 < b.stripStart[s + 1]; i += 2) {
                const GLushort* q = b.strip + i;
                const GLushort tri[2][3] = {{q[2], q[0], q[3]}, {q[0], q[1], q[3]}};
                for (const GLushort* t : tri) {
                    if (Degenerate(t))
                        continue;  // no area, nothing to draw
                    for (int k = 0; k < 3; ++k)
                        b.triangles[n++] = t[k];
                }
            }
        }
    }
    start[kStripKinds] = n;
}

void DrawTriangles(const int start[kStripKinds + 1], int kind) {
    glDrawElements(GL_TRIANGLES, start[kind + 1] - start[kind], GL_UNSIGNED_SHORT,
                   g_batch.triangles + start[kind]);
}

}  // namespace

void BeginStrip(StripKind kind) {
    g_batch.stripStart[g_batch.strips] = g_batch.indices;
    g_batch.stripKind[g_batch.strips] = kind;
}

void StripVertex(int vertex) {
    g_batch.strip[g_batch.indices++] = static_cast<GLushort>(vertex);
}

void EndStrip() {
    g_batch.stripStart[++g_batch.strips] = g_batch.indices;
}

void FishBatchReset() {
    g_batch.vertices = 0;
    g_batch.indices = 0;
    g_batch.strips = 0;
    g_batch.offsetX = g_batch.offsetY = 0.0f;
}

int FishBatchVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t) {
    FishBatch& b = g_batch;
    const int v = b.vertices++;
    b.pos[v][0] = x + b.offsetX;
    b.pos[v][1] = y + b.offsetY;
    b.pos[v][2] = z;
    b.nrm[v][0] = nx;
    b.nrm[v][1] = ny;
    b.nrm[v][2] = nz;
    b.tex[v][0] = s;
    b.tex[v][1] = t;
    return v;
}

int FishBatchCount() {
    return g_batch.vertices;
}

void FishBatchTranslate(float dx, float dy) {
    g_batch.offsetX += dx;
    g_batch.offsetY += dy;
}

void FishBatchFlush() {
    FishBatch& b = g_batch;
    if (g_submit == FishSubmit::Arrays) {
        int start[kStripKinds + 1];
        StripsToTriangles(start);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, b.pos);
        glNormalPointer(GL_FLOAT, 0, b.nrm);
        glTexCoordPointer(2, GL_FLOAT, 0, b.tex);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glFrontFace(GL_CCW);
        DrawTriangles(start, kBodyStored);
        glFrontFace(GL_CW);
        DrawTriangles(start, kBodyMirrored);
        glFrontFace(GL_CCW);
        glDisable(GL_CULL_FACE);
        DrawTriangles(start, kOpenSheet);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    } else {
        for (int s = 0; s < b.strips; ++s) {
            glBegin(GL_QUAD_STRIP);
            for (int i = b.stripStart[s]; i < b.stripStart[s + 1]; ++i) {
                const int v = b.strip[i];
                glNormal3f(b.nrm[v][0], b.nrm[v][1], b.nrm[v][2]);
                glTexCoord2f(b.tex[v][0], b.tex[v][1]);
                glVertex3fv(b.pos[v]);
            }
            glEnd();
        }
    }
    FishBatchReset();
}

void SetFishSubmit(FishSubmit mode) {
    g_submit = mode;
}
