// Close-ups of every fish species for looking at the body model: each sheet shows five species
// side on, head on, from above, and from above while turning.
//
//   fishshots OUT_DIR [SKIN_DIR]    (SKIN_DIR holds fish0.bmp ... fish19.bmp, 256 x 128)
//
// Writes OUT_DIR/fish-closeups-0.png ... -3.png. Without skins the fish wear a test pattern.
// Needs a display with GL (run it under xvfb-run when there is none).

#include <GL/gl.h>

#include <QImage>
#include <QOpenGLFramebufferObject>
#include <QPainter>
#include <cstdio>

#include "fish/Fish.h"
#include "platform/Random.h"
#include "support/GlTestContext.h"

namespace {

constexpr int kWidth = 300, kHeight = 190, kPerSheet = 5;
constexpr float kDistance = 11.0f;  // from the eye to the fish

enum View { Side, Front, Top };

// Stripes along the body, a pale tail and a dark eye where the skins paint them.
QImage TestPattern() {
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

void LoadSkin(GLuint texture, const QString& path) {
    QImage image = path.isEmpty() ? QImage() : QImage(path);
    if (image.isNull())
        image = TestPattern();
    // GL rows run bottom up: v = 0 is the image's last row.
    image = image.convertToFormat(QImage::Format_RGBA8888).mirrored();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, image.constBits());
}

// A size-8 fish, settled at `heading` (or turning from there towards `target`).
CFish StillFish(float heading, float target) {
    SeedRand(1);
    CFish fish;
    fish.SetBounds(-100.0f, 100.0f, 100.0f, -100.0f, 0.0f);
    fish.m_nSize = 8;
    fish.m_fHeading = heading;
    fish.m_fHeadingTarget = fish.m_fLastTarget = target;
    fish.m_fPitchTarget = 0.0f;
    fish.m_nDecideTick = 0;
    fish.m_bFinRest = false;
    return fish;
}

// One step of the fish drawn into the frame buffer under the tank's light.
QImage Draw(QOpenGLFramebufferObject& fbo, GLuint skin, CFish fish, int species, View view) {
    fbo.bind();
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(0.1f, 0.2f, 0.35f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(kWidth) / kHeight;
    glFrustum(-0.4 * aspect, 0.4 * aspect, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // White, positional, below and to the right of the viewer.
    const GLfloat level[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, level);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, level);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, skin);
    glTranslatef(0.0f, 0.0f, -kDistance);
    if (view == Top)
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    fish.m_vPos[2] = -kDistance;
    fish.UpdateAndDraw(species);
    glDisable(GL_LIGHTING);
    glFinish();
    QImage image = fbo.toImage();
    fbo.release();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR [SKIN_DIR]\n", argv[0]);
        return 2;
    }
    const QString out = argv[1];
    const QString skins = argc > 2 ? argv[2] : "";
    GlTestContext ctx;
    if (!ctx.available()) {
        std::fprintf(stderr, "fishshots: no GL context (is there a display?)\n");
        return 1;
    }
    ctx.makeCurrent();
    QOpenGLFramebufferObject fbo(kWidth, kHeight, QOpenGLFramebufferObject::Depth);
    GLuint skin = 0;
    glGenTextures(1, &skin);
    for (int sheet = 0; sheet < 20 / kPerSheet; ++sheet) {
        QImage all(kWidth * 4, kHeight * kPerSheet, QImage::Format_RGB32);
        QPainter painter(&all);
        for (int k = 0; k < kPerSheet; ++k) {
            const int species = sheet * kPerSheet + k;
            LoadSkin(skin, skins.isEmpty() ? QString()
                                           : QString("%1/fish%2.bmp").arg(skins).arg(species));
            const int y = k * kHeight;
            painter.drawImage(0, y, Draw(fbo, skin, StillFish(0, 0), species, Side));
            painter.drawImage(kWidth, y, Draw(fbo, skin, StillFish(90, 90), species, Front));
            painter.drawImage(2 * kWidth, y, Draw(fbo, skin, StillFish(0, 0), species, Top));
            painter.drawImage(3 * kWidth, y, Draw(fbo, skin, StillFish(20, 100), species, Top));
            painter.setPen(Qt::white);
            painter.drawText(4, y + 14, QString::number(species));
        }
        painter.end();
        const QString path = QString("%1/fish-closeups-%2.png").arg(out).arg(sheet);
        if (!all.save(path)) {
            std::fprintf(stderr, "fishshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    glDeleteTextures(1, &skin);
    return 0;
}
