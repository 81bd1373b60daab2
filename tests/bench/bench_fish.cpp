// The fish part of a frame: 50 fish simulated, and simulated and drawn into a 1680 x 1050
// framebuffer lit and projected as the tank is. Run under Xvfb for the drawing cases.
#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <QImage>
#include <QOpenGLFramebufferObject>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "fish/Fish.h"
#include "fish/FishBody.h"
#include "fish/FishTank.h"
#include "platform/Random.h"
#include "scene/FixedGlState.h"
#include "scene/FoodPellet.h"
#include "scene/Terrain.h"
#include "support/GlTestContext.h"

namespace {

constexpr int kWidth = 1680, kHeight = 1050;

// 50 fish of all 20 species in the tank of a 1680 x 1050 screen, placed over the floor.
struct BenchTank {
    CFish fish[kMaxFish];
    CFoodPellet food[kFoodPelletCount];
    float snapshot[kMaxFish][3] = {};
    FishTankRefs refs{fish, food, snapshot, -54.0f, 54.0f, -21.0f, 21.0f, -50.0f, 0.0f};
    int counts[kSpeciesCount];
    GLuint textures[kSpeciesCount] = {};

    BenchTank() {
        SeedRand(1);
        CTerrain terrain;
        terrain.GenerateHeights(108, 50, 1);
        PlaceFish(refs);
        for (int j = 0; j < kSpeciesCount; ++j)
            counts[j] = j < 10 ? 3 : 2;  // 50 in all
    }
};

// Skins from MEROW_FISH_SKINS (fish0.bmp ...) or a plain 256 x 128 stand-in.
void LoadSkins(GLuint textures[kSpeciesCount]) {
    glGenTextures(kSpeciesCount, textures);
    const char* dir = std::getenv("MEROW_FISH_SKINS");
    for (int j = 0; j < kSpeciesCount; ++j) {
        QImage image;
        if (dir)
            image.load(QString("%1/fish%2.bmp").arg(dir).arg(j));
        if (image.isNull()) {
            image = QImage(256, 128, QImage::Format_RGBA8888);
            image.fill(QColor(200, 120 + 5 * j, 60));
        }
        image = image.convertToFormat(QImage::Format_RGBA8888).mirrored();
        glBindTexture(GL_TEXTURE_2D, textures[j]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, image.constBits());
    }
}

// The tank's fixed state and camera.
void SetUpScene() {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ApplyFixedGlState();
    const GLfloat level[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, level);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, level);
    glEnable(GL_LIGHTING);
    glEnable(GL_FOG);
    glFogf(GL_FOG_DENSITY, 0.0125f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(kWidth) / kHeight;
    glFrustum(-0.4 * aspect, 0.4 * aspect, -0.4, 0.4, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
}

void BM_FishSimulation(benchmark::State& state) {
    auto tank = std::make_unique<BenchTank>();
    const GLuint none[kSpeciesCount] = {};
    for (auto _ : state)
        RunFishFrame(tank->refs, tank->counts, none, false);
}
BENCHMARK(BM_FishSimulation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void FishFrameDrawn(benchmark::State& state, FishSubmit submit) {
    GlTestContext ctx;
    if (!ctx.available()) {
        state.SkipWithError("no GL context (run under Xvfb)");
        return;
    }
    ctx.makeCurrent();
    QOpenGLFramebufferObject fbo(kWidth, kHeight, QOpenGLFramebufferObject::Depth);
    fbo.bind();
    auto tank = std::make_unique<BenchTank>();
    LoadSkins(tank->textures);
    SetUpScene();
    SetFishSubmit(submit);
    timespec cpu0, cpu1;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
    for (auto _ : state) {
        // The clear belongs to the rest of the frame.
        state.PauseTiming();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
        state.ResumeTiming();
        glLoadIdentity();
        gluLookAt(0.0, 0.0, -10.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
        RunFishFrame(tank->refs, tank->counts, tank->textures, true);
        glFinish();
    }
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
    // CPU time of every thread, the GL rasterizer's included: steadier than wall time on a
    // busy machine (the paused clears are in it too).
    state.counters["cpu_all_ms"] =
        benchmark::Counter((cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6,
                           benchmark::Counter::kAvgIterations);
    SetFishSubmit(FishSubmit::Arrays);
    fbo.release();
    glDeleteTextures(kSpeciesCount, tank->textures);
}

void BM_FishFrameDrawnArrays(benchmark::State& state) {
    FishFrameDrawn(state, FishSubmit::Arrays);
}
BENCHMARK(BM_FishFrameDrawnArrays)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_FishFrameDrawnImmediate(benchmark::State& state) {
    FishFrameDrawn(state, FishSubmit::Immediate);
}
BENCHMARK(BM_FishFrameDrawnImmediate)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
