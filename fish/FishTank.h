#pragma once

#include <GL/gl.h>

#include "settings/AquariumSettings.h"

class CFish;
class CFoodPellet;

// What the fish passes work on: the scene's arrays and its tank extents.
struct FishTankRefs {
    CFish* fish;           // kMaxFish records
    CFoodPellet* food;     // kFoodPelletCount pellets
    float (*snapshot)[3];  // kMaxFish recorded positions
    float minX, maxX, minY, maxY, minZ, maxZ;
};

// Species ranges of the fish slots: species j owns slots start[j] .. end[j] - 1, in species
// order, clipped to the kMaxFish slots (negative counts count as 0). Returns the slots in use.
int BuildSpeciesRanges(const int counts[kSpeciesCount], int start[kSpeciesCount],
                       int end[kSpeciesCount]);

// Places all kMaxFish records above the floor (g_terrainVertices must be generated).
void PlaceFish(FishTankRefs& tank);

// The fish part of one frame: every fish in use stepped (and drawn when draw is set, with the
// model-view matrix holding the camera), then the scene passes. Without draw no GL is called
// and the same random numbers are drawn.
void RunFishFrame(FishTankRefs& tank, const int counts[kSpeciesCount],
                  const GLuint fishTex[kSpeciesCount], bool draw);

// The scene passes, for fish i of the `total` in use.
void SteerFishToFood(FishTankRefs& tank, int i);
void CaptureFood(FishTankRefs& tank, int i);
void ResolveFishContacts(FishTankRefs& tank, int i, int total);
void RecordFishPosition(FishTankRefs& tank, int i);
void SeparateFish(FishTankRefs& tank, int total);

// The angles the passes steer by, in degrees.
float FoodBearingAngle(const CFish& fish, const float pellet[3]);
float FoodElevationAngle(const float pellet[3]);
float FishAxisAngle(const CFish& a, const CFish& b, int axis);  // axis 1: x-y plane, 2: x-z
