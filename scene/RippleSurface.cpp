#include "scene/RippleSurface.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// A free slot's age keeps growing; stop well before it could overflow. Far past 2047 + the
// longest distance, so a capped slot still reads wave entry 2047 (zero) everywhere.
constexpr int kAgeCap = 1 << 30;

int ClampCentre(double v) {
    if (!(v >= 0.0))
        return 0;  // also NaN
    return std::min(static_cast<int>(v), kRippleGrid - 1);
}

}  // namespace

void CRippleSurface::Init(int width, int height) {
    // A zero size would divide by zero in Drop (the size handler already treats 0 as 1); the
    // upper bound keeps the diagonal and the slot limits far from overflowing.
    constexpr int kMaxSide = 1 << 16;
    m_nPixelWidth = std::clamp(width, 1, kMaxSide);
    m_nPixelHeight = std::clamp(height, 1, kMaxSide);
    const double w = m_nPixelWidth, h = m_nPixelHeight;
    m_nDiagonal = static_cast<int>(std::sqrt(w * w + h * h));
    for (int k = 0; k < kSlots; ++k) {
        m_nAge[k] = m_nDiagonal + kRippleWaveLength;
        m_nLimit[k] = 0;
        m_nCentreX[k] = 0;
        m_nCentreY[k] = 0;
    }
    for (int i = 0; i < kRippleGrid; ++i) {
        for (int j = 0; j < kRippleGrid; ++j) {
            Point& p = m_grid[i][j];
            p.x = 2.0f * i / 31.0f - 1.0f;
            p.y = 2.0f * j / 31.0f - 1.0f;
            p.s0 = i / 31.0f;
            p.t0 = j / 31.0f;
            p.s = p.s0;
            p.t = p.t0;
        }
    }
}

void CRippleSurface::Drop(int x, int y) {
    int k = 0;
    while (k < kSlots && !IsSlotFree(k))
        ++k;
    if (k == kSlots)
        return;
    // Points at or past the size given to Init (the screen can be larger than the client area,
    // a click on the top row gives y == height) are kept on the grid.
    m_nCentreX[k] = ClampCentre(static_cast<double>(x) / m_nPixelWidth * 32.0);
    m_nCentreY[k] = ClampCentre(static_cast<double>(y) / m_nPixelHeight * 32.0);
    m_nAge[k] = 8;
    const float cx = static_cast<float>(m_nCentreX[k]);
    const float cy = static_cast<float>(m_nCentreY[k]);
    const float farX = std::max(cx, 32.0f - cx);
    const float farY = std::max(cy, 32.0f - cy);
    const float d = std::sqrt(farX * farX + farY * farY);
    m_nLimit[k] = static_cast<int>(m_nPixelWidth * (d / 32.0f) + 341.0f);
}

void CRippleSurface::Step() {
    double c[kSlots];
    for (int k = 0; k < kSlots; ++k) {
        if (m_nAge[k] < kAgeCap)
            m_nAge[k] += 2;
        const double fall = 1.0 - m_nAge[k] / 2048.0;
        c[k] = 0.3 * fall * fall;
    }
    for (int i = 0; i < kRippleGrid; ++i) {
        for (int j = 0; j < kRippleGrid; ++j) {
            Point& p = m_grid[i][j];
            float s = p.s0, t = p.t0;
            for (int k = 0; k < kSlots; ++k) {
                const int di = i - m_nCentreX[k];
                const int dj = j - m_nCentreY[k];
                const RippleVector& rv = g_rippleVectors[std::abs(di)][std::abs(dj)];
                const int b = std::clamp(m_nAge[k] - rv.dist, 0, kRippleWaveLength - 1);
                const double wave = c[k] * g_rippleWave[b];
                s += static_cast<float>((di < 0 ? -1 : 1) * wave * rv.u);
                t += static_cast<float>((dj < 0 ? -1 : 1) * wave * rv.v);
            }
            p.s = s;
            p.t = t;
        }
    }
}

// One batch of triangles instead of a polygon per cell. Each cell is split the way a four-corner
// polygon (i, j), (i, j + 1), (i + 1, j + 1), (i + 1, j) is split, with the vertices of each
// triangle in the same order, so the picture comes out pixel for pixel the same.
void CRippleSurface::Draw() const {
    auto vertex = [](const Point& p) {
        glTexCoord2f(p.s, p.t);
        glVertex3f(p.x, p.y, 0.0f);
    };
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < kRippleGrid - 1; ++i) {
        for (int j = 0; j < kRippleGrid - 1; ++j) {
            const Point& p0 = m_grid[i][j];
            const Point& p1 = m_grid[i][j + 1];
            const Point& p2 = m_grid[i + 1][j + 1];
            const Point& p3 = m_grid[i + 1][j];
            vertex(p1);
            vertex(p2);
            vertex(p0);
            vertex(p2);
            vertex(p3);
            vertex(p0);
        }
    }
    glEnd();
}
