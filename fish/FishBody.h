#pragma once

class CFish;

// The jointed body model. All of these need a current GL context.

// m = rotation by angle (radians) about (ax, ay, az), column-major; the identity for a zero axis.
void BuildRotation(float m[16], float angle, float ax, float ay, float az);

// Pushes the model-view matrix and turns it into the fish's model frame (z up, pitched).
void BeginFishModelMatrix(float pitch, float heading);
// Draws the ten parts from the fish's size, shape scale and pose.
void DrawFishModel(CFish& fish);
// Pops what BeginFishModelMatrix pushed.
void EndFishModelMatrix();

// The normal of the last vertex every fish is drawn with (the second eye disc's last rim point).
// Drawn one vertex at a time, a fish leaves it as GL's current normal for what follows.
const float* FishTrailingNormal();

// How a fish's vertices reach GL: one multi-draw call per fish (default) or one glBegin/glEnd
// per strip. Both draw the same strips with the same vertices.
enum class FishSubmit { Arrays, Immediate };
void SetFishSubmit(FishSubmit mode);
