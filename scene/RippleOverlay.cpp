#include "scene/RippleOverlay.h"

#include <algorithm>
#include <cmath>

#include "scene/RippleSurface.h"

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n && p < (1 << 30))
        p <<= 1;
    return p;
}

namespace {

// Grows the texture's image so a width x height copy fits; its filters must not ask for
// mipmaps, which it has none of.
void FitTexture(int width, int height, int* texWidth, int* texHeight) {
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    if (w < width || h < height) {
        w = std::max(w, NextPowerOfTwo(width));
        h = std::max(h, NextPowerOfTwo(height));
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    *texWidth = w;
    *texHeight = h;
}

// A coordinate pushed a little past the copied picture is mirrored back onto it, so the window's
// edges show the picture rather than a smear of its last row or column.
float MirrorIntoPicture(float c) {
    if (c < 0.0f)
        c = -c;
    if (c > 1.0f)
        c = 2.0f - c;
    return std::clamp(c, 0.0f, 1.0f);
}

// The cells the waves move by at least a quarter pixel, with their texture coordinates kept on
// the copied picture. A cell at rest would only put its own pixels back.
void DrawMovedCells(const CRippleSurface& water, int width, int height) {
    using Point = CRippleSurface::Point;
    auto shift = [width, height](const Point& p) {
        const float s = MirrorIntoPicture(p.s), t = MirrorIntoPicture(p.t);
        return std::max(std::fabs(s - p.s0) * width, std::fabs(t - p.t0) * height);
    };
    float moved[kRippleGrid][kRippleGrid];
    for (int i = 0; i < kRippleGrid; ++i) {
        for (int j = 0; j < kRippleGrid; ++j)
            moved[i][j] = shift(water.m_grid[i][j]);
    }
    auto vertex = [](const Point& p) {
        glTexCoord2f(MirrorIntoPicture(p.s), MirrorIntoPicture(p.t));
        glVertex3f(p.x, p.y, 0.0f);
    };
    glBegin(GL_TRIANGLES);
    for (int i = 0; i + 1 < kRippleGrid; ++i) {
        for (int j = 0; j + 1 < kRippleGrid; ++j) {
            const float most = std::max(std::max(moved[i][j], moved[i][j + 1]),
                                        std::max(moved[i + 1][j], moved[i + 1][j + 1]));
            if (most < 0.25f)
                continue;
            const auto& g = water.m_grid;
            vertex(g[i][j + 1]);
            vertex(g[i + 1][j + 1]);
            vertex(g[i][j]);
            vertex(g[i + 1][j + 1]);
            vertex(g[i + 1][j]);
            vertex(g[i][j]);
        }
    }
    glEnd();
}

}  // namespace

void RippleOverlay(CRippleSurface& water, GLuint texture, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    int texWidth = 0, texHeight = 0;
    FitTexture(width, height, &texWidth, &texHeight);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);

    // The copy is the finished frame: put it back as it is, only displaced by the waves.
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    // Identity transforms map the grid's -1..1 onto the whole viewport; the texture matrix maps
    // the grid's 0..1 coordinates onto the copied part of the texture.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glScalef(static_cast<float>(width) / texWidth, static_cast<float>(height) / texHeight, 1.0f);

    DrawMovedCells(water, width, height);

    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();

    water.Step();
}
