#pragma once

// The ambient and diffuse colours of the tank's one light. Set up once, then every frame writes
// the light level into their red, green and blue.
extern float g_lightAmbient[4];
extern float g_lightDiffuse[4];
extern const float g_lightPosition[4];

// Light level 0 (full light) .. 100 (dark) to the colour component.
inline float LightComponent(int lightLevel) {
    return (100 - lightLevel) * 0.01f;
}

// Fog level 25 (none) .. 0 (thickest) to GL_FOG_DENSITY.
inline float FogDensity(int fogLevel) {
    return (25 - fogLevel) * 0.0005f;
}
