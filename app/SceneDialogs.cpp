#include "app/SceneDialogs.h"

#include "settings/CAquariumSettingsDlg.h"

// The Fish Settings dialog (how many fish of each species) runs here once it is built.
void RunFishSettingsDialog(QWidget*) {}

void RunAquariumSettingsDialog(QWidget* parent) {
    CAquariumSettingsDlg dialog(parent);
    dialog.exec();
}
