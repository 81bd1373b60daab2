#pragma once

#include "scene/RippleTables.h"

// The water grid: 32 x 32 points whose texture coordinates are pushed outward by up to six
// circular waves. Init, Drop and Step need no GL context; Draw emits the grid.
class CRippleSurface {
public:
    static constexpr int kSlots = 6;

    struct Point {
        float x, y;    // position, -1..1
        float s, t;    // current texture coordinates
        float s0, t0;  // rest texture coordinates
    };

    CRippleSurface() { Init(1, 1); }
    virtual ~CRippleSurface() = default;

    // Sizes the surface in pixels and frees every slot (running waves vanish).
    void Init(int width, int height);
    // Starts a wave at pixel (x, y), y from the bottom, when a slot is free.
    void Drop(int x, int y);
    // Advances all slots and recomputes every point's texture coordinates.
    void Step();
    // Emits the grid with the bound texture and the current transform.
    void Draw() const;

    bool IsSlotFree(int k) const { return m_nAge[k] >= m_nLimit[k]; }

    Point m_grid[kRippleGrid][kRippleGrid];  // [i][j], i along x, j along y
    int m_nCentreX[kSlots];
    int m_nCentreY[kSlots];
    int m_nAge[kSlots];
    int m_nLimit[kSlots];
    int m_nDiagonal = 0;
    int m_nPixelWidth = 1, m_nPixelHeight = 1;
};
