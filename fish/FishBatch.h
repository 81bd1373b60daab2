#pragma once

#include "fish/FishBody.h"

// One fish's vertices, each computed once, and its quad strips as lists of vertex numbers, so
// the whole fish reaches GL in one call and shared vertices are lit once.

// The body is a closed surface: its faces turned away from the eye are always hidden behind
// its near side, so they can be skipped. Its stored side winds counter-clockwise seen from
// outside, the mirrored side clockwise. Fins are open sheets, seen from both faces.
enum StripKind : unsigned char { kOpenSheet, kBodyStored, kBodyMirrored, kStripKinds };

// Starts a new fish: no vertices, no strips, no eye twitch.
void FishBatchReset();
// Adds a vertex (already through the part matrix); returns its number.
int FishBatchVertex(float x, float y, float z, float nx, float ny, float nz, float s, float t);
// Vertices added so far.
int FishBatchCount();
// A model-view translation from here on (the eye-disc twitch), applied to the later vertices.
void FishBatchTranslate(float dx, float dy);

void BeginStrip(StripKind kind = kOpenSheet);
void StripVertex(int vertex);
void EndStrip();

// Sends the fish to GL (needs a context) and empties the batch.
void FishBatchFlush();
