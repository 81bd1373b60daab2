#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "platform/PrivateProfile.h"
#include "settings/AquariumSettings.h"
#include "settings/StorageDirectory.h"
#include "support/TempDir.h"

namespace {

// A settings file the size of a real one: 27 settings, 20 fish counts, 10 pictures, 10 songs.
std::string MakeSettingsFile(const TempDir& dir) {
    const std::string path = dir.file("MerowSet.ini");
    for (int i = 0; i < 27; ++i) {
        WritePrivateProfileString("Aquarium Settings", ("Key " + std::to_string(i)).c_str(), "1",
                                  path);
    }
    for (int i = 0; i < 20; ++i) {
        WritePrivateProfileString("Fish Number", ("Fish" + std::to_string(i)).c_str(), "2", path);
    }
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        WritePrivateProfileString("Custom Images", ("ImageList" + n).c_str(),
                                  ("/home/user/Pictures/reef " + n + ".jpg").c_str(), path);
        WritePrivateProfileString("Custom Settings", ("MusicList" + n).c_str(),
                                  ("/home/user/Music/waves " + n + ".mp3").c_str(), path);
    }
    return path;
}

// Start-up reads every fish count and writes it back unchanged.
void BM_ReadAndRewriteSameValue(benchmark::State& state) {
    TempDir dir;
    const std::string path = MakeSettingsFile(dir);
    char buffer[128];
    for (auto _ : state) {
        GetPrivateProfileString("Fish Number", "Fish19", nullptr, buffer, sizeof buffer, path);
        benchmark::DoNotOptimize(WritePrivateProfileString("Fish Number", "Fish19", buffer, path));
    }
}
BENCHMARK(BM_ReadAndRewriteSameValue);

// A dialog save: the value changes, so the file is replaced.
void BM_WriteChangedValue(benchmark::State& state) {
    TempDir dir;
    const std::string path = MakeSettingsFile(dir);
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WritePrivateProfileString("Aquarium Settings", "Key 26",
                                                           std::to_string(n++ & 1).c_str(), path));
    }
}
BENCHMARK(BM_WriteChangedValue);

// Start-up on a 10 MB file of junk lines that holds none of the settings, so every key is
// written back: how long the tank waits for its settings in the worst case.
void BM_LoadSettingsOnJunkFile(benchmark::State& state) {
    TempDir dir;
    SetStorageDirectoryOverride(dir.path());
    std::string junk;
    std::mt19937 bytes(7);
    while (junk.size() < (10u << 20)) {
        for (int i = 0; i < 63; ++i)
            junk += static_cast<char>(' ' + bytes() % 95);
        junk += '\n';
    }
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileBytes(dir.file("MerowSet.ini"), junk);
        state.ResumeTiming();
        LoadSettings();
    }
    SetStorageDirectoryOverride("");
}
BENCHMARK(BM_LoadSettingsOnJunkFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
