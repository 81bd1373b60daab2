#pragma once

#include "settings/AquariumSettings.h"

class CFish;

// The fish under the 15 x 15 pixel region around the pointer (device pixels, y downwards): every
// fish in use (the slots of the species counts) drawn once, as its last step left it and with its
// own species' shape, without stepping it; the nearest one hit wins. -1 when none is hit. Needs
// the frame's camera and viewport; leaves the GL state as it was.
int PickNearestFish(CFish fish[], const int counts[kSpeciesCount], int mouseX, int mouseY);

// The fish tools' part of a frame (modes Touch, enlarge and shrink): a held button gives one pick
// and is then let go; the fish picked is startled, grown by 1 or shrunk by 1. Returns its slot,
// or -1.
int RunFishTool(int mode, bool& buttonDown, CFish fish[], const int counts[kSpeciesCount],
                int mouseX, int mouseY);
