#include "app/SceneDialogs.h"

#include "fish/CFishSettingsDlg.h"

void RunFishSettingsDialog(QWidget* parent) {
    CFishSettingsDlg dialog(parent);
    dialog.exec();
}

// The Aquarium Settings dialog (sound, bubbles, fog, light, view) runs here once it is built.
void RunAquariumSettingsDialog(QWidget*) {}
