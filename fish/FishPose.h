#pragma once

constexpr int kFishSegments = 14;

// Everything the body model needs from one step of a fish besides its size and shape scale:
// the bend of the body, the fin waves and paired-fin offsets, and the eye-disc twitches.
struct FishPose {
    float seg[kFishSegments] = {};  // degrees, 0 at the head
    float wave1[11] = {};
    float wave2[8] = {};
    float wave3[5] = {};
    float fin1[4] = {};  // paired-fin offsets P1
    float fin2[4] = {};  // paired-fin offsets P2
    // A twitch moves the model-view matrix before disc A or disc B and is never undone.
    bool twitchA = false, twitchB = false;
    float twitchAX = 0.0f, twitchAY = 0.0f;
    float twitchBX = 0.0f, twitchBY = 0.0f;
};
