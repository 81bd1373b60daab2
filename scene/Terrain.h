#pragma once

#include <GL/gl.h>

constexpr int kTerrainMaxRows = 1000;
constexpr int kTerrainMaxCols = 1000;

// The floor height field: row i runs along x, column j along z. The only storage of the heights.
extern float g_terrainVertices[kTerrainMaxRows][kTerrainMaxCols][3];

class CTerrain {
public:
    // Loads the floor textures (when a GL context is current), stores the sizes and generates
    // the heights. Rows and columns are kept within the grid.
    void Generate(int rows, int cols, int heightFactor);
    // The heights alone, no GL (tests and Generate share it).
    void GenerateHeights(int rows, int cols, int heightFactor);

    int m_nRows = 0;
    int m_nCols = 0;
    int m_nHeightFactor = 0;
    GLuint m_texGround = 0, m_texWater = 0, m_texLight = 0;
    GLuint m_nList = 0;
};
