// The floor of a tank frame: what any frame of the tank must draw whatever the method, paced as
// the tank is. Each frame clears, shows a picture over the whole window, draws the tank's 50 fish
// as the tank does, with its skins, light and camera, and swaps. Counted from outside like any
// other program:
//   floor-frame [WxH] [nearest|linear]
// nearest: a window-sized picture shown 1:1 with nearest filtering, the cheapest way to put a
// changed picture on screen. linear: the tank's 1024 x 1024 picture size stretched over the
// window with linear filtering, as one quad: the cheapest fill with the filtering the tank's
// pixels need.
#include <GL/gl.h>
#include <GL/glu.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QOpenGLWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>

#include "fish/Fish.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/FixedGlState.h"
#include "scene/FoodPellet.h"
#include "scene/SceneLight.h"
#include "scene/ScreenGeometry.h"
#include "scene/Terrain.h"
#include "scene/Textures.h"

namespace {

class FloorWindow : public QOpenGLWindow {
public:
    explicit FloorWindow(bool linear) : m_linear(linear) {
        for (int j = 0; j < kSpeciesCount; ++j)
            m_counts[j] = j < 10 ? 3 : 2;  // 50 fish, as the measuring settings have them
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
        m_timer.start(20);  // the tank's 50 steps a second
    }

protected:
    void initializeGL() override {
        ApplyFixedGlState();
        ApplyStartFog();
        const int w = width() * devicePixelRatio(), h = height() * devicePixelRatio();
        const TankBounds b = TankBoundsFor(w, h);
        m_refs = FishTankRefs{m_fish, m_food, m_snapshot, b.minX, b.maxX,
                              b.minY, b.maxY, b.minZ,     b.maxZ};
        SeedRand(1);
        // The fish start over the tank's floor, as the tank places them.
        CTerrain floor;
        floor.GenerateHeights(static_cast<int>(b.maxX - b.minX), -static_cast<int>(b.minZ), 1);
        PlaceFish(m_refs);
        for (CFoodPellet& pellet : m_food)
            pellet.Reset();
        const std::string assets = m_assets.path().toStdString();
        for (int j = 0; j < kSpeciesCount; ++j)
            LoadBuiltInTexture(10000 + j, assets, "fish" + std::to_string(j), &m_skins[j]);

        // Any picture costs about the same; a smooth one with some detail stands in.
        const int pw = m_linear ? 1024 : w, ph = m_linear ? 1024 : h;
        QImage picture(pw, ph, QImage::Format_RGBA8888);
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x)
                picture.setPixel(x, y, qRgb(x * 255 / pw, y * 255 / ph, (x ^ y) & 255));
        const GLint filter = m_linear ? GL_LINEAR : GL_NEAREST;
        glGenTextures(1, &m_picture);
        glBindTexture(GL_TEXTURE_2D, m_picture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pw, ph, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     picture.constBits());
    }

    void paintGL() override {
        const int w = width() * devicePixelRatio(), h = height() * devicePixelRatio();
        glViewport(0, 0, w, h);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

        // The picture: one quad covering the window, without depth or light.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, w, 0, h, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_FOG);
        glBindTexture(GL_TEXTURE_2D, m_picture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2i(0, 0);
        glTexCoord2f(1, 0), glVertex2i(w, 0);
        glTexCoord2f(1, 1), glVertex2i(w, h);
        glTexCoord2f(0, 1), glVertex2i(0, h);
        glEnd();
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnable(GL_DEPTH_TEST);

        // The fish, under the tank's camera and full light, without fog (its default settings).
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        MultiplyTankFrustum(w, h);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.0, 0.0, -10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
        for (int c = 0; c < 3; ++c)
            g_lightAmbient[c] = g_lightDiffuse[c] = LightComponent(0);
        glLightfv(GL_LIGHT1, GL_AMBIENT, g_lightAmbient);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, g_lightDiffuse);
        glEnable(GL_LIGHTING);
        RunFishFrame(m_refs, m_counts, m_skins, true);
        glFinish();
    }

private:
    CFish m_fish[kMaxFish];
    CFoodPellet m_food[kFoodPelletCount];
    float m_snapshot[kMaxFish][3] = {};
    FishTankRefs m_refs{};
    int m_counts[kSpeciesCount] = {};
    GLuint m_skins[kSpeciesCount] = {};
    GLuint m_picture = 0;
    bool m_linear = false;
    QTemporaryDir m_assets;
    QTimer m_timer;
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int w = 1680, h = 1050;
    const std::string fill = argc > 2 ? argv[2] : "nearest";
    if ((argc > 1 && std::sscanf(argv[1], "%dx%d", &w, &h) != 2) ||
        (fill != "nearest" && fill != "linear")) {
        std::fprintf(stderr, "usage: floor-frame [WxH] [nearest|linear]\n");
        return 2;
    }
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    FloorWindow window(fill == "linear");
    window.setFormat(format);
    window.setFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(0, 0, w, h);
    window.show();
    return app.exec();
}
