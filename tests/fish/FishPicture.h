#pragma once

#include <GL/gl.h>

#include <QImage>
#include <QOpenGLFramebufferObject>
#include <QString>

#include "fish/Fish.h"

// Header-only so each test and benchmark program can use it.
// Draws single fish into an offscreen framebuffer the way the tank lights them, for tests and
// for looking at the model. Needs a current GL context.
class FishPicture {
public:
    enum View { Side, Front, Top };

    // The fish is drawn `distance` in front of the eye.
    FishPicture(int width, int height, float distance = 22.0f);
    ~FishPicture();
    FishPicture(const FishPicture&) = delete;
    FishPicture& operator=(const FishPicture&) = delete;

    // Skin of a species from a 256 x 128 BMP, or a test pattern when the file does not load.
    void LoadSkin(const QString& path);
    // Clears, steps and draws the fish once seen from the view, returns the image.
    QImage Draw(CFish& fish, int species, View view, bool draw = true);

private:
    struct Impl;
    Impl* m_impl;
};

struct FishPicture::Impl {
    QOpenGLFramebufferObject fbo;
    GLuint texture = 0;
    int width, height;
    float distance;
    Impl(int w, int h, float d)
        : fbo(w, h, QOpenGLFramebufferObject::Depth), width(w), height(h), distance(d) {}
};

namespace fishpicture {

// Stripes along the body and a dark eye where the skins paint it.
inline QImage TestPattern() {
    QImage image(256, 128, QImage::Format_RGBA8888);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            const float u = x / 256.0f, v = 1.0f - y / 128.0f;
            QColor c = (static_cast<int>(v * 8) % 2) ? QColor(230, 140, 40) : QColor(250, 210, 90);
            if (u > 0.75f)
                c = QColor(120, 170, 230);
            const float du = (u - 0.09f) * 256.0f, dv = (v - 0.62f) * 128.0f;
            if (du * du + dv * dv < 25.0f)
                c = QColor(10, 10, 10);
            image.setPixelColor(x, y, c);
        }
    }
    return image;
}

}  // namespace fishpicture

inline FishPicture::FishPicture(int width, int height, float distance)
    : m_impl(new Impl(width, height, distance)) {
    glGenTextures(1, &m_impl->texture);
}

inline FishPicture::~FishPicture() {
    glDeleteTextures(1, &m_impl->texture);
    delete m_impl;
}

inline void FishPicture::LoadSkin(const QString& path) {
    QImage image(path);
    if (image.isNull())
        image = fishpicture::TestPattern();
    // GL rows run bottom up: v = 0 is the image's last row.
    image = image.convertToFormat(QImage::Format_RGBA8888).mirrored();
    glBindTexture(GL_TEXTURE_2D, m_impl->texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.constBits());
}

inline QImage FishPicture::Draw(CFish& fish, int species, View view, bool draw) {
    m_impl->fbo.bind();
    glViewport(0, 0, m_impl->width, m_impl->height);
    glClearColor(0.1f, 0.2f, 0.35f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(m_impl->width) / m_impl->height;
    glFrustum(-0.4 * aspect, 0.4 * aspect, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The tank's light: white, positional, below and to the right of the viewer.
    const GLfloat level[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, level);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, level);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, m_impl->texture);

    glTranslatef(0.0f, 0.0f, -m_impl->distance);
    if (view == Top)
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    fish.m_vPos[0] = fish.m_vPos[1] = 0.0f;
    fish.m_vPos[2] = -m_impl->distance;
    glPushMatrix();
    fish.UpdateAndDraw(species, draw);
    glPopMatrix();
    glDisable(GL_LIGHTING);
    glFinish();
    QImage image = m_impl->fbo.toImage();
    m_impl->fbo.release();
    return image;
}
