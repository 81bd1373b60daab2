#include "scene/BackgroundMesh.h"

#include <algorithm>

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

void DrawBackgroundPicture(CRippleSurface& water, GLuint texture, float scaleX, int width,
                           int height) {
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTranslatef(0.0f, 0.0f, -110.0f);
    glScalef(scaleX, 40.0f, 1.0f);
    BackgroundRainDrop(water, width, height);
    DrawRippleGridSplitByFilter(water);
    BackgroundRippleStep(water, width, height);
    glPopMatrix();
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

void DrawBackgroundMesh(const BackgroundMesh& mesh, GLuint texture) {
    if (mesh.m_nList == 0)
        return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glCallList(mesh.m_nList);
}
