#include "scene/SceneLight.h"

float g_lightAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float g_lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float g_lightPosition[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
