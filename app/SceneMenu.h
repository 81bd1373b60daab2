#pragma once

#include <QPoint>

// The right-button menu: "  Add/Delete Fish", "  Custom Music", "  Custom Background" and
// "  Exit", each item drawn by the menu itself, 140 x 48 with its icon. Opens with its top-left
// corner at `globalPos` (desktop units) and returns when it closes: the command id of the chosen
// item, or 0 when none was chosen. The tank's tick goes on while it is open.
int RunSceneMenu(const QPoint& globalPos);
