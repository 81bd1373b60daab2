#pragma once

// The tank's fixed GL state, set once at start-up: texturing, smooth shading, depth, one white
// positional light with colour material, blending. The blend function is left to the bubbles.
void ApplyFixedGlState();

// The fog parameters the tank starts with; each frame then sets the density from the settings.
void ApplyStartFog();
