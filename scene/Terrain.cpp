#include "scene/Terrain.h"

#include <algorithm>
#include <cmath>

#include "platform/MessageBox.h"

float g_terrainVertices[kTerrainMaxRows][kTerrainMaxCols][3];

void CTerrain::GenerateHeights(int rows, int cols, int heightFactor) {
    // The grid is fixed; a larger request is reported and then generated as far as it fits.
    const long long cells = static_cast<long long>(rows) * cols;
    if (cells > 1000000LL || rows > kTerrainMaxRows || cols > kTerrainMaxCols) {
        ShowMessageBox("MAP SIZE ERROR");
    }
    m_nRows = std::clamp(rows, 0, kTerrainMaxRows);
    m_nCols = std::clamp(cols, 0, kTerrainMaxCols);
    m_nHeightFactor = heightFactor;
    if (m_nCols == 0)
        return;
    const float scale = static_cast<float>(2 * heightFactor) / static_cast<float>(m_nCols);
    for (int i = 0; i < m_nRows; ++i) {
        for (int j = 0; j < m_nCols - 1; ++j) {  // the last column is never generated
            float* p = g_terrainVertices[i][j];
            p[0] = static_cast<float>(i - m_nRows / 2);
            p[1] = static_cast<float>(std::cos(0.1 * (i + j)) * (m_nCols - j) * scale);
            p[2] = static_cast<float>(j - m_nCols);
        }
    }
}
