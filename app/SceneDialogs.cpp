#include "app/SceneDialogs.h"

#include "fish/CFishSettingsDlg.h"
#include "settings/CAquariumSettingsDlg.h"

void RunFishSettingsDialog(QWidget* parent) {
    CFishSettingsDlg dialog(parent);
    dialog.exec();
}

void RunAquariumSettingsDialog(QWidget* parent) {
    CAquariumSettingsDlg dialog(parent);
    dialog.exec();
}
