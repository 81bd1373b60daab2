#pragma once

// The switches between the user's own music and the built-in tune, shared by the Custom Music
// dialog and the scene's tick.

// "On/Off" of the Custom Music dialog is checked: the user's playlist, not the built-in tune.
// Written only by the dialog's timer. Starts true.
extern bool g_bOwnMusicOn;

// The built-in tune must be (re)started at the next tick that finds own music off. Starts true.
extern bool g_bBuiltInMusicPending;

// The playlist row drawn as playing, -1 for none.
extern int g_nHighlightedTrack;
