#include <QOpenGLContext>

#include "scene/Terrain.h"
#include "scene/Textures.h"

// Kept apart from the heights so code that only needs the floor shape links without the loaders.

void CTerrain::Generate(int rows, int cols, int heightFactor, const std::string& assetDir) {
    const bool gl = QOpenGLContext::currentContext() != nullptr;
    if (gl && !assetDir.empty())
        LoadTextures(assetDir);
    GenerateHeights(rows, cols, heightFactor);
    if (gl)
        CompileMesh();
}

void CTerrain::LoadTextures(const std::string& assetDir) {
    LoadBuiltInTexture(154, assetDir, "DiXing", &m_texGround);
    LoadBuiltInTexture(165, assetDir, "Water", &m_texWater);
    LoadBuiltInTexture(164, assetDir, "GuangXian", &m_texLight);
}

// One quad strip per pair of neighbouring rows over the generated columns.
void CTerrain::CompileMesh() {
    if (m_nList != 0)
        glDeleteLists(m_nList, 1);
    m_nList = glGenLists(1);
    glNewList(m_nList, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, m_texGround);
    const float rows = static_cast<float>(m_nRows), cols = static_cast<float>(m_nCols);
    for (int i = 0; i + 1 < m_nRows; ++i) {
        glBegin(GL_QUAD_STRIP);
        for (int j = 0; j < m_nCols - 1; ++j) {
            glTexCoord2f(i / rows, j / cols);
            glVertex3fv(g_terrainVertices[i][j]);
            glTexCoord2f((i + 1) / rows, j / cols);
            glVertex3fv(g_terrainVertices[i + 1][j]);
        }
        glEnd();
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    glEndList();
}
