#include "settings/AquariumSettings.h"

AquariumSettings g_settings;
int g_nViewLeftRight = 0;
int g_nViewNearFar = 0;
