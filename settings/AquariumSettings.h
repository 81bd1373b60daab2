#pragma once

#include <cstdint>

// Every "Aquarium Settings" value and the 20 fish counts, in the order the settings dialog hands
// a whole record over. Written only by LoadSettings, ApplyAquariumSettings and SetFishCounts.
struct AquariumSettings {
    int nShowWater = 0;
    int nShowLight = 0;
    int nShowTerra = 0;
    int nFrontFixed = 0;
    uint32_t crFrontColor = 0;  // COLORREF 0x00BBGGRR
    int nFrontManualGradual = 0;
    uint32_t crFrontColor1 = 0;
    uint32_t crFrontColor2 = 0;
    int nFrontAutoGradual = 0;
    int nLockFore = 0;
    float fLockForeRot = 0.0f;
    int nBackFixed = 0;
    uint32_t crBackColor = 0;
    int nBackManualGradual = 0;
    uint32_t crBackColor1 = 0;
    uint32_t crBackColor2 = 0;
    int nBackAutoGradual = 0;
    int nLockBack = 0;
    float fLockBackRot = 0.0f;
    int nVolume = 0;         // 0 loudest .. 65535 silent
    int nBubbleSetting = 0;  // bubbles drawn: 1000 - value
    int nBackgroundStyle = 0;
    int nFishCount[20] = {};
    int nFogLevel = 0;    // 25 no fog .. 0 thickest
    int nLightLevel = 0;  // 0 full light .. 100 dark
    int nAutoViews = 0;
    int nViewLeftRight = 0;
    int nViewNearFar = 0;
};

constexpr int kSpeciesCount = 20;
constexpr int kMaxFish = 50;

extern AquariumSettings g_settings;
extern int g_nViewLeftRight;
extern int g_nViewNearFar;

// Fills g_settings and the two view globals from the settings file, writing back missing,
// forced and rejected keys.
void LoadSettings();

// Publishes a saved dialog record: every field but the fish counts.
void ApplyAquariumSettings(AquariumSettings settings);

// Publishes new fish counts, each capped at 50.
void SetFishCounts(const int counts[kSpeciesCount]);
