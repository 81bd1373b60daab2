#include "scene/ScreenGeometry.h"

#include <cmath>

namespace {

struct ModeRow {
    int width, height, mode;
};
const ModeRow kModes[] = {
    {1024, 768, 0}, {1280, 1024, 1}, {1680, 1050, 2}, {1440, 900, 3},
    {1280, 800, 4}, {1600, 900, 5},  {1366, 768, 6},
};

struct BoundsRow {
    int width, height, halfWidth;
};
const BoundsRow kBounds[] = {
    {800, 600, 29},  {1024, 768, 29}, {1280, 960, 29},  {1280, 1024, 29},
    {1440, 900, 35}, {1600, 900, 38}, {1680, 1050, 34},
};

// The table's widths follow the visible half-height of ~21.6 units at the tank's middle depth
// times the aspect ratio (29 for 4:3, 34-35 for 16:10, 38 for 16:9).
constexpr double kVisibleHalfHeight = 21.6;
constexpr int kNarrowestHalfWidth = 29;

}  // namespace

int ScreenModeFor(int width, int height) {
    for (const ModeRow& row : kModes)
        if (row.width == width && row.height == height)
            return row.mode;
    return 1;
}

bool IsListedScreenMode(int width, int height) {
    for (const ModeRow& row : kModes)
        if (row.width == width && row.height == height)
            return true;
    return false;
}

int TankBaseHalfWidth(int width, int height) {
    for (const BoundsRow& row : kBounds)
        if (row.width == width && row.height == height)
            return row.halfWidth;
    if (width <= 0 || height <= 0)
        return kNarrowestHalfWidth;
    const int derived = static_cast<int>(std::lround(kVisibleHalfHeight * width / height));
    return derived < kNarrowestHalfWidth ? kNarrowestHalfWidth : derived;
}

TankBounds TankBoundsFor(int width, int height) {
    const float half = static_cast<float>(TankBaseHalfWidth(width, height));
    TankBounds b;
    b.minX = -half - 20.0f;
    b.maxX = half + 20.0f;
    b.maxY = 21.0f;
    b.minY = -21.0f;
    b.minZ = -50.0f;
    b.maxZ = 0.0f;
    return b;
}
