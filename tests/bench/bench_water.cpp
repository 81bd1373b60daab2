#include <benchmark/benchmark.h>

#include <QOpenGLFramebufferObject>
#include <cmath>
#include <vector>

#include "platform/Random.h"
#include "scene/BackgroundMesh.h"
#include "scene/BubbleSystem.h"
#include "scene/FoodPellet.h"
#include "scene/RippleOverlay.h"
#include "scene/RippleSurface.h"
#include "scene/WaterGl.h"  // tests/scene
#include "support/GlTestContext.h"

namespace {

void BM_RippleStep(benchmark::State& state) {
    CRippleSurface water;
    water.Init(1680, 1050);
    for (int k = 0; k < 6; ++k)
        water.Drop(250 * k + 100, 150 * k + 80);
    for (auto _ : state) {
        water.Step();
        benchmark::DoNotOptimize(water.m_grid[7][9].s);
    }
}
BENCHMARK(BM_RippleStep);

void BM_BubbleUpdate(benchmark::State& state) {
    SeedRand(1);
    CBubbleSystem bubbles;
    bubbles.Init(1000);
    bubbles.m_nCount = 900;
    for (auto _ : state) {
        bubbles.Update();
        benchmark::DoNotOptimize(bubbles.m_pParticles[5].m_vPos[1]);
    }
}
BENCHMARK(BM_BubbleUpdate);

void BM_BubblePreWarmStartUp(benchmark::State& state) {
    for (auto _ : state) {
        SeedRand(1);
        CBubbleSystem bubbles;
        bubbles.Init(1000);
        bubbles.SetColoured(false);
        bubbles.PreWarm(1000, 900);
        benchmark::DoNotOptimize(bubbles.m_pParticles[5].m_vPos[1]);
    }
    state.SetLabel("Init(1000) + 1000 passes of 900");
}
BENCHMARK(BM_BubblePreWarmStartUp)->Unit(benchmark::kMillisecond);

// What a frame's water part draws, and how. The picture is 1024 x 1024 RGBA with mipmaps and
// the loader's GL_LINEAR_MIPMAP_NEAREST minifying filter unless told otherwise.
enum : int {
    kPolygonCells = 1,     // the prototype: one GL_POLYGON per cell
    kPlainGrid = 2,        // one triangle batch, no filter split
    kNoFog = 4,            // for comparison only: changes the picture
    kLinearFilter = 8,     // for comparison only: GL_LINEAR, changes the picture under waves
    kGridOnly = 16,        // no bubbles, no pellets
    kBubblesOnly = 32,     // no background
    kOverlay = 64,         // plus the Ripple tool's overlay
    kOpaquePicture = 128,  // a picture without alpha (a user's JPEG): no blending needed
};

GLuint MakeBubbleTexture() {
    const int side = 32;
    std::vector<std::uint8_t> rgba(side * side * 4);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const float dx = x - 15.5f, dy = y - 15.5f;
            const float r = std::sqrt(dx * dx + dy * dy) / 16.0f;
            std::uint8_t* p = &rgba[(y * side + x) * 4];
            p[0] = p[1] = p[2] = 255;
            p[3] = static_cast<std::uint8_t>(r < 1.0f ? 255 * (1.0f - r) : 0);
        }
    }
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return tex;
}

// One frame of the water at 1680 x 1050 under software GL: the background picture through the
// ripple grid with its drop and step, 10 pellets and 900 bubbles, finished with glFinish.
void BM_WaterFrameGl(benchmark::State& state) {
    static GlTestContext ctx;
    if (!ctx.available()) {
        state.SkipWithError("no GL context (run under Xvfb)");
        return;
    }
    ctx.makeCurrent();
    const int flags = static_cast<int>(state.range(0));
    const int w = 1680, h = 1050;
    GlFrameBuffer frame(w, h);
    SetUpTankGlState();
    // Like the built-in picture: with alpha, transparent where it is pure black.
    const GLuint picture = MakePictureTexture(1024, true, !(flags & kOpaquePicture));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    flags & kLinearFilter ? GL_LINEAR : GL_LINEAR_MIPMAP_NEAREST);
    GLuint overlayTexture = 0;
    glGenTextures(1, &overlayTexture);
    SeedRand(1);
    CRippleSurface water;
    water.Init(w, h);
    CFoodPellet food[kFoodPelletCount];
    for (int i = 0; i < kFoodPelletCount; ++i)
        DropFirstInactive(food, i - 5.0f, 5.0f, -50.0f);
    CBubbleSystem bubbles;
    bubbles.Init(1000);
    bubbles.SetColoured(false);
    bubbles.m_nTexture = MakeBubbleTexture();
    bubbles.SetCeiling(60.0f);
    bubbles.PreWarm(1000, 900);
    const float source[3] = {-5.0f, -27.0f, -90.0f};

    for (auto _ : state) {
        BeginTankFrame(w, h, !(flags & kNoFog));
        if (!(flags & kBubblesOnly)) {
            if (flags & (kPolygonCells | kPlainGrid)) {
                glPushMatrix();
                glBindTexture(GL_TEXTURE_2D, picture);
                glTranslatef(0.0f, 0.0f, -110.0f);
                glScalef(64.0f, 40.0f, 1.0f);
                BackgroundRainDrop(water, w, h);
                if (flags & kPolygonCells) {
                    DrawRippleCellsAsPolygons(water);
                } else {
                    water.Draw();
                }
                BackgroundRippleStep(water, w, h);
                glPopMatrix();
            } else {
                BackgroundRainDrop(water, w, h);
                DrawBackgroundGrid(water, picture, 64.0f);
                BackgroundRippleStep(water, w, h);
            }
        }
        glDisable(GL_LIGHTING);
        if (!(flags & kGridOnly)) {
            for (CFoodPellet& p : food) {
                if (!p.IsActive()) {
                    p.DropAt(0.0f, 5.0f, -50.0f);
                    p.SetActive(true);
                }
                glPushMatrix();
                p.Draw();
                glPopMatrix();
            }
            DrawBubbleStreams(bubbles, source, 900);
        }
        if (flags & kOverlay)
            RippleOverlay(water, overlayTexture, w, h);
        glFinish();
    }
    state.SetLabel("ms per frame at 1680x1050");
    glDeleteTextures(1, &picture);
    glDeleteTextures(1, &overlayTexture);
}
BENCHMARK(BM_WaterFrameGl)
    ->ArgName("flags")
    ->Arg(kPolygonCells)  // the prototype's frame
    ->Arg(kPlainGrid)
    ->Arg(0)  // what the program draws
    ->Arg(kOverlay)
    ->Arg(kPolygonCells | kGridOnly)
    ->Arg(kPlainGrid | kGridOnly)
    ->Arg(kGridOnly)
    ->Arg(kPlainGrid | kGridOnly | kLinearFilter)
    ->Arg(kPlainGrid | kGridOnly | kNoFog)
    ->Arg(kGridOnly | kOpaquePicture)
    ->Arg(kOpaquePicture)
    ->Arg(kBubblesOnly)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->MinTime(0.5);

// A whole-window textured fill at 1680 x 1050, the picture a 1024 x 1024 opaque mipmapped one:
//   0  a window-sized texture drawn 1:1 with nearest filtering: the cheapest textured fill
//   1  the same with linear filtering
//   2  the rippled picture as the frame draws it, with a new drop and a ripple step each time
//   3  the rippled picture kept in a window-sized texture: the grid cells whose texture
//      coordinates changed since the last time are drawn into it, then it is shown as in 0.
// "redrawn" is the share of the grid's cells that 3 drew into its copy.
void BM_BackgroundFill(benchmark::State& state) {
    static GlTestContext ctx;
    if (!ctx.available()) {
        state.SkipWithError("no GL context (run under Xvfb)");
        return;
    }
    ctx.makeCurrent();
    const int variant = static_cast<int>(state.range(0));
    const int w = 1680, h = 1050;
    QOpenGLFramebufferObject frame(w, h, QOpenGLFramebufferObject::Depth);
    QOpenGLFramebufferObject copy(w, h);
    SetUpTankGlState();
    const GLuint picture = MakePictureTexture(1024, true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    SeedRand(1);
    CRippleSurface water;
    water.Init(w, h);
    CRippleSurface::Point drawn[kRippleGrid][kRippleGrid];  // what the copy shows
    bool first = true;
    double redrawn = 0.0;

    // The copy (or the picture) over the whole viewport, one texel per pixel.
    auto showOneToOne = [](GLuint texture, GLint filter) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        glDisable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0), glVertex2f(-1, -1);
        glTexCoord2f(1, 0), glVertex2f(1, -1);
        glTexCoord2f(1, 1), glVertex2f(1, 1);
        glTexCoord2f(0, 1), glVertex2f(-1, 1);
        glEnd();
        glPopAttrib();
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    };

    for (auto _ : state) {
        frame.bind();
        BeginTankFrame(w, h, false);
        if (variant == 0 || variant == 1) {
            showOneToOne(variant == 0 ? copy.texture() : picture,
                         variant == 0 ? GL_NEAREST : GL_LINEAR);
        } else if (variant == 2) {
            BackgroundRainDrop(water, w, h);
            DrawBackgroundBehindAll(water, picture, 64.0f, 1.0f);
            BackgroundRippleStep(water, w, h);
        } else {
            BackgroundRainDrop(water, w, h);
            copy.bind();
            bool moved[kRippleGrid][kRippleGrid];
            for (int i = 0; i < kRippleGrid; ++i) {
                for (int j = 0; j < kRippleGrid; ++j) {
                    const CRippleSurface::Point& p = water.m_grid[i][j];
                    moved[i][j] = first || p.s != drawn[i][j].s || p.t != drawn[i][j].t;
                    drawn[i][j] = p;
                }
            }
            first = false;
            glBindTexture(GL_TEXTURE_2D, picture);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glDisable(GL_DEPTH_TEST);
            glDisable(GL_BLEND);
            glPushMatrix();
            glTranslatef(0.0f, 0.0f, -110.0f);
            glScalef(64.0f, 40.0f, 1.0f);
            glBegin(GL_TRIANGLES);
            auto vertex = [&](int i, int j) {
                glTexCoord2f(water.m_grid[i][j].s, water.m_grid[i][j].t);
                glVertex3f(water.m_grid[i][j].x, water.m_grid[i][j].y, 0.0f);
            };
            for (int i = 0; i + 1 < kRippleGrid; ++i) {
                for (int j = 0; j + 1 < kRippleGrid; ++j) {
                    if (!(moved[i][j] || moved[i + 1][j] || moved[i][j + 1] || moved[i + 1][j + 1]))
                        continue;
                    redrawn += 1.0 / ((kRippleGrid - 1) * (kRippleGrid - 1));
                    vertex(i, j + 1), vertex(i + 1, j + 1), vertex(i, j);
                    vertex(i + 1, j + 1), vertex(i + 1, j), vertex(i, j);
                }
            }
            glEnd();
            glPopMatrix();
            glEnable(GL_BLEND);
            glEnable(GL_DEPTH_TEST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
            frame.bind();
            showOneToOne(copy.texture(), GL_NEAREST);
            BackgroundRippleStep(water, w, h);
        }
        glFinish();
    }
    if (variant == 3)
        state.counters["redrawn"] = redrawn / state.iterations();
    state.SetLabel("ms per fill at 1680x1050");
    glDeleteTextures(1, &picture);
    QOpenGLFramebufferObject::bindDefault();
}
BENCHMARK(BM_BackgroundFill)
    ->ArgName("variant")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(600);

}  // namespace
