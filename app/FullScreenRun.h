#pragma once

struct CommandLineOptions;
struct SceneRunOptions;

// The aquarium as the desktop program: a borderless tank covering the chosen screen (or a plain
// window with --window) until "  Exit", Esc, a termination signal or the window manager's close.
// Needs the application object; returns the exit status (2 when there is no such screen).
int RunFullScreen(const CommandLineOptions& options, SceneRunOptions run);
