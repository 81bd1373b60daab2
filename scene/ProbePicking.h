#pragma once

// The probes that find the world point under the pointer: 50 vertical strips (X-probes) and 10
// horizontal strips (Y-probes), swept a little every frame so that one of each passes under the
// pointer, and what they picked.

constexpr int kXProbes = 50;
constexpr int kYProbes = 10;
constexpr float kNoProbeHit = -10000.0f;

struct ProbeSweep {
    float xProbe[kXProbes][3] = {};
    float yProbe[kYProbes][3] = {};
    bool xTowardsPlus = false;  // the X-probes move towards +x
    bool yTowardsPlus = true;   // the Y-probes move towards +y
    bool pickedXValid = false;
    bool pickedYValid = false;
    float pickedX = 0.0f;
    float pickedY = 0.0f;
};
