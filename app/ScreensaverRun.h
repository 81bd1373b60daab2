#pragma once

struct CommandLineOptions;
class CAquariumScene;
struct SceneRunOptions;

// Screensaver mode (-root, -window-id): the tank is drawn into the screensaver's window at that
// window's size and follows it when it is resized. It ends with status 0 when the window goes, on
// SIGTERM and SIGINT, or after --frames. Needs the application object; returns the exit status.
int RunInScreensaverWindow(const CommandLineOptions& options, SceneRunOptions run);
