#pragma once

#include "app/ToolModes.h"

// Commands that open a dialog: they are the scene's mode only until the next tick, and the tool
// in use stays the tool bar's mode.
constexpr bool IsDialogCommand(int id) {
    return id == kCmdFishSettings || id == kCmdAquariumSettings || id == kCmdCustomMusic ||
           id == kCmdCustomBackground;
}

// The tool bar's mode after the scene got command `id`: any id that opens no dialog becomes it, so
// that it outlasts the next tick.
constexpr int ToolBarModeAfterCommand(int id, int toolBarMode) {
    return IsDialogCommand(id) ? toolBarMode : id;
}
