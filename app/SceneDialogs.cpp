#include "app/SceneDialogs.h"

// The Fish Settings dialog (how many fish of each species) runs here once it is built.
void RunFishSettingsDialog(QWidget*) {}

// The Aquarium Settings dialog (sound, bubbles, fog, light, view) runs here once it is built.
void RunAquariumSettingsDialog(QWidget*) {}
