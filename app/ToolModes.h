#pragma once

// The scene window's command ids. Those of the mouse tools double as the tool mode in use.
constexpr int kCmdFishSettings = 1034;      // "  Add/Delete Fish": the Fish Settings dialog
constexpr int kModeTouch = 1035;            // Touch Fish
constexpr int kModeFeed = 1036;             // Feed Fish
constexpr int kModeEnlarge = 1037;          // enlarge fish (no control selects it)
constexpr int kModeShrink = 1038;           // shrink fish (no control selects it)
constexpr int kCmdAquariumSettings = 1040;  // the Aquarium Settings dialog
constexpr int kCmdExit = 1042;              // "  Exit"
constexpr int kModeNone = 1043;             // no tool: the pointer is hidden
constexpr int kModeCamera = 1044;
constexpr int kModeRipple = 1045;
constexpr int kModeProbeTest = 1046;
constexpr int kModeMark = 1047;
constexpr int kCmdCustomMusic = 1050;       // "  Custom Music"
constexpr int kCmdCustomBackground = 1052;  // "  Custom Background"
