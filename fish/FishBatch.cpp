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

// Where the eye is in the fish's model frame: the model-view matrix (affine) maps the model
// point p to A p + t, so the eye, the origin, is at -A^-1 t. False when A is singular.
bool EyeInModel(float eye[3]) {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const double a[3][3] = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {m[2], m[6], m[10]}};
    const double inv[3][3] = {
        {a[1][1] * a[2][2] - a[1][2] * a[2][1], a[0][2] * a[2][1] - a[0][1] * a[2][2],
         a[0][1] * a[1][2] - a[0][2] * a[1][1]},
        {a[1][2] * a[2][0] - a[1][0] * a[2][2], a[0][0] * a[2][2] - a[0][2] * a[2][0],
         a[0][2] * a[1][0] - a[0][0] * a[1][2]},
        {a[1][0] * a[2][1] - a[1][1] * a[2][0], a[0][1] * a[2][0] - a[0][0] * a[2][1],
         a[0][0] * a[1][1] - a[0][1] * a[1][0]}};
    const double det = a[0][0] * inv[0][0] + a[0][1] * inv[1][0] + a[0][2] * inv[2][0];
    if (det == 0.0)
        return false;
    for (int r = 0; r < 3; ++r) {
        eye[r] =
            static_cast<float>(-(inv[r][0] * m[12] + inv[r][1] * m[13] + inv[r][2] * m[14]) / det);
    }
    return true;
}

// A body triangle whose outer side is turned away from the eye.
bool FacesAway(const GLushort t[3], const float eye[3], bool mirrored) {
    const float* a = g_batch.pos[t[0]];
    const float* b = g_batch.pos[t[1]];
    const float* c = g_batch.pos[t[2]];
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                        u[0] * v[1] - u[1] * v[0]};
    const float d = n[0] * (eye[0] - a[0]) + n[1] * (eye[1] - a[1]) + n[2] * (eye[2] - a[2]);
    return mirrored ? d >= 0.0f : d <= 0.0f;
}

// Quad strips as the triangles GL splits them into: quad (a, b, c, d) of a strip becomes
// (c, a, d) and (a, b, d): the same triangles in the same order, so the pixels are the same.
// Left out: triangles without area, and with an eye, the body's triangles facing away from it.
int StripsToTriangles(const float* eye) {
    FishBatch& b = g_batch;
    int n = 0;
    for (int s = 0; s < b.strips; ++s) {
        const StripKind kind = static_cast<StripKind>(b.stripKind[s]);
        for (int i = b.stripStart[s]; i + 3 < b.stripStart[s + 1]; i += 2) {
            const GLushort* q = b.strip + i;
            const GLushort tri[2][3] = {{q[2], q[0], q[3]}, {q[0], q[1], q[3]}};
            for (const GLushort* t : tri) {
                if (Degenerate(t))
                    continue;
                if (eye && kind != kOpenSheet && FacesAway(t, eye, kind == kBodyMirrored))
                    continue;
                for (int k = 0; k < 3; ++k)
                    b.triangles[n++] = t[k];
            }
        }
    }
    return n;
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
        float eye[3];
        const int count = StripsToTriangles(EyeInModel(eye) ? eye : nullptr);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, b.pos);
        glNormalPointer(GL_FLOAT, 0, b.nrm);
        glTexCoordPointer(2, GL_FLOAT, 0, b.tex);
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, b.triangles);
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
