#include "scene/RippleFilterSplit.h"

#include <GL/gl.h>

#include <cmath>

#include "scene/RippleSurface.h"

namespace {

struct ScreenPoint {
    float x, y;  // window pixels
    float s, t;  // texels
};

// Column-major 4x4 product a * b.
void Multiply(const GLfloat a[16], const GLfloat b[16], GLfloat out[16]) {
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float v = 0.0f;
            for (int k = 0; k < 4; ++k)
                v += a[k * 4 + r] * b[c * 4 + k];
            out[c * 4 + r] = v;
        }
    }
}

// Largest level-of-detail (log2 of texels per pixel) the triangle can select, bounded from above:
// the sum of both texel derivatives along each screen axis is never less than the length the
// rasteriser may use.
double LodBound(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& c) {
    const double x1 = b.x - a.x, y1 = b.y - a.y, x2 = c.x - a.x, y2 = c.y - a.y;
    const double det = x1 * y2 - x2 * y1;
    if (std::fabs(det) < 1e-6)
        return 1e9;  // degenerate on screen: no pixels, no risk
    const double s1 = b.s - a.s, s2 = c.s - a.s, t1 = b.t - a.t, t2 = c.t - a.t;
    const double dsdx = (s1 * y2 - s2 * y1) / det, dsdy = (s2 * x1 - s1 * x2) / det;
    const double dtdx = (t1 * y2 - t2 * y1) / det, dtdy = (t2 * x1 - t1 * x2) / det;
    const double rho =
        std::fmax(std::fabs(dsdx) + std::fabs(dtdx), std::fabs(dsdy) + std::fabs(dtdy));
    return std::log2(rho);
}

void Vertex(const CRippleSurface::Point& p) {
    glTexCoord2f(p.s, p.t);
    glVertex3f(p.x, p.y, 0.0f);
}

}  // namespace

void DrawRippleGridSplitByFilter(const CRippleSurface& water) {
    GLint minFilter = 0, magFilter = 0, texWidth = 0, texHeight = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texWidth);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &texHeight);
    // Base level only when the level of detail stays at or below this.
    double lodLimit;
    if (minFilter == GL_LINEAR_MIPMAP_NEAREST) {
        lodLimit = 0.5;
    } else if (minFilter == GL_LINEAR_MIPMAP_LINEAR) {
        lodLimit = 0.0;
    } else {
        water.Draw();
        return;
    }
    if (magFilter != GL_LINEAR || texWidth <= 0 || texHeight <= 0) {
        water.Draw();
        return;
    }

    GLfloat modelview[16], projection[16], mvp[16];
    GLint viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    Multiply(projection, modelview, mvp);

    ScreenPoint screen[kRippleGrid][kRippleGrid];
    float w0 = 0.0f;
    for (int i = 0; i < kRippleGrid; ++i) {
        for (int j = 0; j < kRippleGrid; ++j) {
            const CRippleSurface::Point& p = water.m_grid[i][j];
            const float cx = mvp[0] * p.x + mvp[4] * p.y + mvp[12];
            const float cy = mvp[1] * p.x + mvp[5] * p.y + mvp[13];
            const float cw = mvp[3] * p.x + mvp[7] * p.y + mvp[15];
            if (i == 0 && j == 0)
                w0 = cw;
            // Texture coordinates are affine on screen only for a grid facing the viewer.
            if (!(cw > 0.0f) || std::fabs(cw - w0) > 1e-4f * std::fabs(w0)) {
                water.Draw();
                return;
            }
            screen[i][j] = {viewport[0] + (cx / cw + 1.0f) * 0.5f * viewport[2],
                            viewport[1] + (cy / cw + 1.0f) * 0.5f * viewport[3], p.s * texWidth,
                            p.t * texHeight};
        }
    }

    // Two passes over the same triangles, each split and ordered as in Draw; a triangle is drawn
    // in exactly one of them, and triangles never overlap, so the order does not matter.
    bool baseOnly[kRippleGrid - 1][kRippleGrid - 1][2];
    const double safeLimit = lodLimit - 0.05;
    for (int i = 0; i + 1 < kRippleGrid; ++i) {
        for (int j = 0; j + 1 < kRippleGrid; ++j) {
            const ScreenPoint &p0 = screen[i][j], &p1 = screen[i][j + 1],
                              &p2 = screen[i + 1][j + 1], &p3 = screen[i + 1][j];
            baseOnly[i][j][0] = LodBound(p1, p2, p0) <= safeLimit;
            baseOnly[i][j][1] = LodBound(p2, p3, p0) <= safeLimit;
        }
    }
    for (int pass = 0; pass < 2; ++pass) {
        const bool linear = pass == 0;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : minFilter);
        glBegin(GL_TRIANGLES);
        for (int i = 0; i + 1 < kRippleGrid; ++i) {
            for (int j = 0; j + 1 < kRippleGrid; ++j) {
                const auto& g = water.m_grid;
                if (baseOnly[i][j][0] == linear) {
                    Vertex(g[i][j + 1]);
                    Vertex(g[i + 1][j + 1]);
                    Vertex(g[i][j]);
                }
                if (baseOnly[i][j][1] == linear) {
                    Vertex(g[i + 1][j + 1]);
                    Vertex(g[i + 1][j]);
                    Vertex(g[i][j]);
                }
            }
        }
        glEnd();
    }
}
