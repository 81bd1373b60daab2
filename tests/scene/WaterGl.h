#pragma once

// GL helpers for the tests and benchmarks that draw the tank.

#include <GL/gl.h>
#include <GL/glu.h>

#include <QOpenGLFramebufferObject>
#include <cstdint>
#include <vector>

#include "scene/FixedGlState.h"
#include "scene/RippleSurface.h"

// A colour + depth framebuffer object, bound while it lives.
class GlFrameBuffer {
public:
    GlFrameBuffer(int width, int height) : m_fbo(width, height, QOpenGLFramebufferObject::Depth) {
        m_fbo.bind();
        glViewport(0, 0, width, height);
    }
    bool complete() const { return m_fbo.isValid(); }
    std::vector<std::uint8_t> Read() const {  // RGBA rows, bottom up
        std::vector<std::uint8_t> pixels(static_cast<size_t>(m_fbo.width()) * m_fbo.height() * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_fbo.width(), m_fbo.height(), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

private:
    QOpenGLFramebufferObject m_fbo;
};

// The tank's fixed state: texturing, depth, one white light, colour material, blending, fog.
inline void SetUpTankGlState() {
    ApplyFixedGlState();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    ApplyStartFog();
}

// The frame's camera, viewport, clear, light level 0 and the default fog level 10.
inline void BeginTankFrame(int width, int height, bool fog = true) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double a = static_cast<double>(width) / height;
    const double x = width > height ? a : 1.0, y = width > height ? 1.0 : 1.0 / a;
    glFrustum(-0.4 * x, 0.4 * x, -0.4 * y, 0.4 * y, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, -10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glFogf(GL_FOG_DENSITY, (25 - 10) * 0.0005f);
    fog ? glEnable(GL_FOG) : glDisable(GL_FOG);
}

// A side x side picture with detail at every scale, optionally with a full mipmap chain, and
// optionally with an alpha channel that is 0 in scattered squares (as black in the built-in one).
inline GLuint MakePictureTexture(int side, bool mipmapped, bool holes = false) {
    const int n = holes ? 4 : 3;
    std::vector<std::uint8_t> rgb(static_cast<size_t>(side) * side * n);
    for (int i = 0; i < side * side; ++i) {
        const int x = i % side, y = i / side;
        std::uint8_t* p = &rgb[static_cast<size_t>(i) * n];
        p[0] = static_cast<std::uint8_t>((x * 7) ^ (y * 3));
        p[1] = static_cast<std::uint8_t>(((x / 16 + y / 16) % 2) * 200 + 20);
        p[2] = static_cast<std::uint8_t>((x * y) >> 6);
        if (holes)
            p[3] = (x / 32 % 5 == 1 && y / 32 % 3 == 1) ? 0 : 255;
    }
    const GLenum format = holes ? GL_RGBA : GL_RGB;
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (mipmapped)
        gluBuild2DMipmaps(GL_TEXTURE_2D, n, side, side, format, GL_UNSIGNED_BYTE, rgb.data());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, n, side, side, 0, format, GL_UNSIGNED_BYTE, rgb.data());
    const GLint minFilter = mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return tex;
}

// The grid as one four-corner polygon per cell: the reference the faster grid drawing must match.
inline void DrawRippleCellsAsPolygons(const CRippleSurface& w) {
    for (int i = 0; i < kRippleGrid - 1; ++i) {
        for (int j = 0; j < kRippleGrid - 1; ++j) {
            glBegin(GL_POLYGON);
            for (const auto* p : {&w.m_grid[i][j], &w.m_grid[i][j + 1], &w.m_grid[i + 1][j + 1],
                                  &w.m_grid[i + 1][j]}) {
                glTexCoord2f(p->s, p->t);
                glVertex3f(p->x, p->y, 0.0f);
            }
            glEnd();
        }
    }
}
