#pragma once

// The tank's fixed GL state, set once at start-up: texturing, smooth shading, depth, one white
// positional light with colour material, blending. The blend function is left to the bubbles.
void ApplyFixedGlState();

// The fog parameters the tank starts with; each frame then sets the density from the settings.
void ApplyStartFog();

// Multiplies the current matrix by the frame's perspective: 0.4 high at the near plane (1) on
// each side of the centre, widened along the longer side of a width x height view; far 1000.
void MultiplyTankFrustum(int width, int height);
