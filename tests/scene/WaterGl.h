#pragma once

// GL helpers shared by the water tests and the water benchmark: an off-screen frame of a given
// size, the tank's fixed GL state and camera, and a generated picture texture.

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <cstdint>
#include <vector>

#include "scene/FixedGlState.h"
#include "scene/RippleSurface.h"

// A colour + depth framebuffer object, bound while it lives.
class GlFrameBuffer {
public:
    GlFrameBuffer(int width, int height) : m_width(width), m_height(height) {
        glGenFramebuffers(1, &m_fbo);
        glGenRenderbuffers(1, &m_colour);
        glGenRenderbuffers(1, &m_depth);
        glBindRenderbuffer(GL_RENDERBUFFER, m_colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, m_depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, m_fbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depth);
        glViewport(0, 0, width, height);
    }
    ~GlFrameBuffer() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(1, &m_colour);
        glDeleteRenderbuffers(1, &m_depth);
        glDeleteFramebuffers(1, &m_fbo);
    }
    GlFrameBuffer(const GlFrameBuffer&) = delete;
    GlFrameBuffer& operator=(const GlFrameBuffer&) = delete;

    bool complete() const {
        return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    std::vector<std::uint8_t> Read() const {
        std::vector<std::uint8_t> pixels(static_cast<size_t>(m_width) * m_height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

private:
    int m_width, m_height;
    GLuint m_fbo = 0, m_colour = 0, m_depth = 0;
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
    if (width > height) {
        glFrustum(-0.4 * a, 0.4 * a, -0.4, 0.4, 1.0, 1000.0);
    } else {
        glFrustum(-0.4, 0.4, -0.4 / a, 0.4 / a, 1.0, 1000.0);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, -10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glDisable(GL_FOG);
    glFogf(GL_FOG_DENSITY, (25 - 10) * 0.0005f);
    if (fog)
        glEnable(GL_FOG);
}

// A side x side picture with detail at every scale, optionally with a full mipmap chain, and
// optionally with an alpha channel that is 0 in scattered squares (as black in the built-in one).
inline GLuint MakePictureTexture(int side, bool mipmapped, bool holes = false) {
    const int n = holes ? 4 : 3;
    std::vector<std::uint8_t> rgb(static_cast<size_t>(side) * side * n);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            std::uint8_t* p = &rgb[(static_cast<size_t>(y) * side + x) * n];
            p[0] = static_cast<std::uint8_t>((x * 7) ^ (y * 3));
            p[1] = static_cast<std::uint8_t>(((x / 16 + y / 16) % 2) * 200 + 20);
            p[2] = static_cast<std::uint8_t>((x * y) >> 6);
            if (holes)
                p[3] = (x / 32 % 5 == 1 && y / 32 % 3 == 1) ? 0 : 255;
        }
    }
    const GLenum format = holes ? GL_RGBA : GL_RGB;
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (mipmapped) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, n, side, side, format, GL_UNSIGNED_BYTE, rgb.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, n, side, side, 0, format, GL_UNSIGNED_BYTE, rgb.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return tex;
}

// The grid as one four-corner polygon per cell: the reference the strips must match.
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
