#pragma once

class QWidget;

// The modal dialogs that the menu and the tool bar open. Each returns when its dialog is closed;
// the tank keeps moving meanwhile.
void RunFishSettingsDialog(QWidget* parent);
void RunAquariumSettingsDialog(QWidget* parent);
