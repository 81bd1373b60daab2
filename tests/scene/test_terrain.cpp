#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/MessageBox.h"
#include "scene/Terrain.h"

namespace {

struct CapturedMessages {
    std::vector<ShownMessage> shown;
    CapturedMessages() { CaptureMessageBoxes(&shown); }
    ~CapturedMessages() { CaptureMessageBoxes(nullptr); }
};

}  // namespace

TEST(Terrain, TankFloorPoints) {
    CapturedMessages messages;
    CTerrain t;
    t.GenerateHeights(98, 50, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(t.m_nRows, 98);
    EXPECT_EQ(t.m_nCols, 50);
    const float* p = g_terrainVertices[0][0];
    EXPECT_FLOAT_EQ(p[0], -49.0f);
    EXPECT_FLOAT_EQ(p[1], 2.0f);
    EXPECT_FLOAT_EQ(p[2], -50.0f);
    const float* q = g_terrainVertices[97][48];
    EXPECT_FLOAT_EQ(q[0], 48.0f);
    EXPECT_NEAR(q[1], std::cos(14.5) * 0.08, 1e-6);
    EXPECT_FLOAT_EQ(q[2], -2.0f);
}

TEST(Terrain, LastColumnIsNeverWritten) {
    CapturedMessages messages;
    for (int i = 0; i < 98; ++i)
        g_terrainVertices[i][49][1] = 12345.0f;
    CTerrain t;
    t.GenerateHeights(98, 50, 1);
    for (int i = 0; i < 98; ++i)
        EXPECT_EQ(g_terrainVertices[i][49][1], 12345.0f) << i;
}

TEST(Terrain, OversizedMapIsReportedAndKeptInTheGrid) {
    CapturedMessages messages;
    CTerrain t;
    g_terrainVertices[999][598][0] = 0.0f;
    t.GenerateHeights(2000, 600, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "MAP SIZE ERROR");
    EXPECT_EQ(t.m_nRows, 1000);
    EXPECT_EQ(t.m_nCols, 600);
    EXPECT_FLOAT_EQ(g_terrainVertices[999][598][0], 999.0f - 500.0f);

    t.GenerateHeights(10, 5000, 1);  // product within limits, columns not
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(t.m_nCols, 1000);

    t.GenerateHeights(-3, 0, 1);  // nothing to generate, nothing to divide by
    EXPECT_EQ(t.m_nRows, 0);
    EXPECT_EQ(t.m_nCols, 0);
}
