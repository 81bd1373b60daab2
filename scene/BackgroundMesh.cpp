#include "scene/BackgroundMesh.h"

#include <algorithm>

#include "fish/FishBody.h"
#include "platform/Random.h"
#include "scene/RippleFilterSplit.h"
#include "scene/RippleSurface.h"

float BackgroundScaleX(int screenMode, int width, int height, bool listedSize) {
    if (!listedSize)
        return 40.0f * static_cast<float>(width) / static_cast<float>(std::max(height, 1));
    switch (screenMode) {
        case 0:
            return 53.1f;
        case 2:
        case 3:
        case 4:
            return 64.0f;
        case 5:
        case 6:
            return 71.0f;
        default:
            return 49.9f;
    }
}

void BackgroundRainDrop(CRippleSurface& water, int width, int height) {
    Rand();  // drawn and discarded
    const int y = Rand() % std::max(height, 1);
    const int x = Rand() % std::max(width, 1);
    water.Drop(x, y);
}

void BackgroundRippleStep(CRippleSurface& water, int width, int height) {
    water.Step();
    // The frame draws a point for the step that the step does not use.
    (void)(Rand() % std::max(height, 1));
    (void)(Rand() % std::max(width, 1));
}

namespace {

// True when blending the bound picture over the frame cannot change a pixel: every fragment has
// alpha exactly 1 (a picture without an alpha channel, an opaque current colour feeding the
// lighting or the texture) and the blend function is the usual "over".
bool BlendingIsIdentity() {
    if (!glIsEnabled(GL_BLEND))
        return false;
    GLint alphaBits = -1, src = 0, dst = 0, env = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    if (alphaBits != 0 || src != GL_SRC_ALPHA || dst != GL_ONE_MINUS_SRC_ALPHA)
        return false;
    if (env != GL_MODULATE && env != GL_REPLACE)
        return false;
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    if (colour[3] != 1.0f)
        return false;
    if (glIsEnabled(GL_LIGHTING)) {
        // The lit alpha is the diffuse material's, which must follow the current colour.
        GLint tracked = 0;
        glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &tracked);
        if (!glIsEnabled(GL_COLOR_MATERIAL) ||
            (tracked != GL_AMBIENT_AND_DIFFUSE && tracked != GL_DIFFUSE)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void DrawBackgroundGrid(const CRippleSurface& water, GLuint texture, float scaleX) {
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTranslatef(0.0f, 0.0f, -110.0f);
    glScalef(scaleX, 40.0f, 1.0f);
    const bool skipBlend = BlendingIsIdentity();
    if (skipBlend)
        glDisable(GL_BLEND);
    DrawRippleGridSplitByFilter(water);
    if (skipBlend)
        glEnable(GL_BLEND);
    glPopMatrix();
}

void DrawBackgroundBehindAll(const CRippleSurface& water, GLuint texture, float scaleX,
                             float light) {
    // The picture fills the view, and waves push texture coordinates a little past its edges.
    // Mirrored there, the edge shows the picture itself: no smear of its last column (as clamping
    // would give) and no sand wrapped round to the top (as repeating would).
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_MIRRORED_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_MIRRORED_REPEAT);
    glDisable(GL_DEPTH_TEST);
    // Drawn after the fish, the picture would be lit with the normal the last fish vertex leaves;
    // it gets that normal here, so its brightness does not depend on what was drawn before.
    glNormal3fv(FishTrailingNormal());
    // In full light the lit colour saturates to white, so modulating by it changes nothing.
    const bool fullLight = light >= 1.0f;
    if (fullLight)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    DrawBackgroundGrid(water, texture, scaleX);
    if (fullLight)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_DEPTH_TEST);
}

void BuildBackgroundMeshPoints(BackgroundMesh& mesh, float minX, float maxX, float minY,
                               float maxY) {
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            float* p = mesh.m_vControl[r][c];
            p[0] = minX + (maxX - minX) * c / 5.0f;
            p[1] = minY + (maxY - minY) * r / 5.0f;
            p[2] = -90.0f;
        }
    }
}

void CompileBackgroundMesh(BackgroundMesh& mesh) {
    static const float kTexCorners[2][2][2] = {{{0.0f, 0.0f}, {1.0f, 0.0f}},
                                               {{0.0f, 1.0f}, {1.0f, 1.0f}}};
    if (mesh.m_nList != 0)
        glDeleteLists(mesh.m_nList, 1);
    mesh.m_nList = glGenLists(1);
    glNewList(mesh.m_nList, GL_COMPILE);
    glPushAttrib(GL_EVAL_BIT);
    glMap2f(GL_MAP2_VERTEX_3, 0.0f, 1.0f, 3, 6, 0.0f, 1.0f, 18, 6, &mesh.m_vControl[0][0][0]);
    glMap2f(GL_MAP2_TEXTURE_COORD_2, 0.0f, 1.0f, 2, 2, 0.0f, 1.0f, 4, 2, &kTexCorners[0][0][0]);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_MAP2_TEXTURE_COORD_2);
    glMapGrid2f(2, 0.0f, 1.0f, 2, 0.0f, 1.0f);
    glEvalMesh2(GL_FILL, 0, 2, 0, 2);
    glPopAttrib();
    glEndList();
}
