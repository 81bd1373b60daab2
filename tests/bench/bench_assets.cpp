// What the built-in assets cost at start-up: extracting, unscrambling, loading and deleting the
// background, the 20 skins and the particle picture, as the scene set-up does (target: 150 ms).
// Run under Xvfb for the GL parts.

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../assets/BmpFiles.h"
#include "scene/Assets.h"
#include "scene/Textures.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {

struct BuiltIn {
    int id;
    std::string name;
    bool mipmapped;
};

std::vector<BuiltIn> StartUpAssets() {
    std::vector<BuiltIn> assets = {{154, "BackGround0", true}};
    for (int i = 0; i < 20; ++i)
        assets.push_back({10000 + i, "fish" + std::to_string(i), false});
    assets.push_back({166, "Particle1", false});
    return assets;
}

GlTestContext& Gl() {
    static GlTestContext context;
    return context;
}

bool Ready(benchmark::State& state, bool needGl) {
    if (AssetResourceBytes(154).empty()) {
        state.SkipWithError("no embedded assets");
        return false;
    }
    if (needGl && !Gl().available()) {
        state.SkipWithError("no GL context (Xvfb?)");
        return false;
    }
    if (needGl)
        Gl().makeCurrent();
    return true;
}

// The whole start-up share: extract, unscramble, load, delete, for all 22 pictures.
void BM_StartUpAssets(benchmark::State& state) {
    if (!Ready(state, true))
        return;
    TempDir dir;
    const std::vector<BuiltIn> assets = StartUpAssets();
    std::vector<GLuint> textures(assets.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < assets.size(); ++i) {
            LoadBuiltInTexture(assets[i].id, dir.path(), assets[i].name, &textures[i],
                               assets[i].mipmapped);
        }
        glFinish();
        state.PauseTiming();
        glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpAssets)->Unit(benchmark::kMillisecond);

// The file round trip alone, without GL.
void BM_ExtractAndDeleteAll(benchmark::State& state) {
    if (!Ready(state, false))
        return;
    TempDir dir;
    const std::vector<BuiltIn> assets = StartUpAssets();
    for (auto _ : state) {
        for (const BuiltIn& a : assets) {
            ExtractAsset(a.id, dir.path(), a.name);
            DeleteAssetFiles(dir.path(), a.name);
        }
    }
}
BENCHMARK(BM_ExtractAndDeleteAll)->Unit(benchmark::kMillisecond);

// The floor's picture: the background's resource again, through the power-of-two loader.
void BM_FloorPicture(benchmark::State& state) {
    if (!Ready(state, true))
        return;
    TempDir dir;
    for (auto _ : state) {
        GLuint texture = 0;
        LoadBuiltInTexture(154, dir.path(), "DiXing", &texture);
        glFinish();
        state.PauseTiming();
        glDeleteTextures(1, &texture);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FloorPicture)->Unit(benchmark::kMillisecond);

// The built-in tune's files, written each time the tune starts.
void BM_ExtractMusic(benchmark::State& state) {
    if (!Ready(state, false))
        return;
    TempDir dir;
    for (auto _ : state) {
        ExtractAsset(227, dir.path(), "Music");
        DeleteAssetFiles(dir.path(), "Music");
    }
}
BENCHMARK(BM_ExtractMusic)->Unit(benchmark::kMillisecond);

// One load of a synthetic picture per iteration: args are width, height, bits per pixel.
void BM_LoadTexture(benchmark::State& state) {
    if (!Gl().available()) {
        state.SkipWithError("no GL context (Xvfb?)");
        return;
    }
    Gl().makeCurrent();
    TempDir dir;
    const std::string path = dir.file("picture.bmp");
    WriteFileBytes(path,
                   bmp::Make(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                             static_cast<int>(state.range(2)),
                             [](int x, int y, unsigned char* p) { p[0] = x ^ y; }));
    for (auto _ : state) {
        GLuint texture = 0;
        LoadTexture(path, &texture);
        glFinish();
        state.PauseTiming();
        glDeleteTextures(1, &texture);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadTexture)
    ->Args({256, 256, 24})
    ->Args({300, 200, 24})
    ->Args({256, 256, 8})
    ->Args({1024, 1024, 24})
    ->Unit(benchmark::kMillisecond);

void BM_LoadTextureMipmapped(benchmark::State& state) {
    if (!Gl().available()) {
        state.SkipWithError("no GL context (Xvfb?)");
        return;
    }
    Gl().makeCurrent();
    TempDir dir;
    const std::string path = dir.file("background.bmp");
    const int side = static_cast<int>(state.range(0));
    WriteFileBytes(path, bmp::Make(side, side, 24,
                                   [](int x, int y, unsigned char* p) { p[0] = p[2] = x ^ y; }));
    for (auto _ : state) {
        GLuint texture = 0;
        LoadTextureMipmapped(path, &texture);
        glFinish();
        state.PauseTiming();
        glDeleteTextures(1, &texture);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadTextureMipmapped)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace
