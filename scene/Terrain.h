#pragma once

#include <GL/gl.h>

#include <string>

constexpr int kTerrainMaxRows = 1000;
constexpr int kTerrainMaxCols = 1000;

// The floor height field: row i runs along x, column j along z. The only storage of the heights.
extern float g_terrainVertices[kTerrainMaxRows][kTerrainMaxCols][3];

class CTerrain {
public:
    // Loads the floor textures from assetDir and compiles the floor mesh (both only when a GL
    // context is current and, for the textures, assetDir is not empty), after the heights.
    void Generate(int rows, int cols, int heightFactor, const std::string& assetDir = "");
    // The heights alone, no GL (tests and Generate share it). Rows and columns are kept within
    // the grid; a size that does not fit shows "MAP SIZE ERROR".
    void GenerateHeights(int rows, int cols, int heightFactor);

    int m_nRows = 0;
    int m_nCols = 0;
    int m_nHeightFactor = 0;
    GLuint m_texGround = 0, m_texWater = 0, m_texLight = 0;
    GLuint m_nList = 0;

private:
    void LoadTextures(const std::string& assetDir);
    void CompileMesh();
};
