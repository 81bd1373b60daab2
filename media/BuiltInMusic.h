#pragma once

#include "media/TunePlayer.h"

// The built-in tune, driven from the scene's tick. Every call returns at once: the work runs on
// the tune thread.

// Writes the tune out to the asset directory, sets its volume from g_settings.nVolume, starts it
// looping and deletes both of its files.
void StartBuiltInMusic();

// Stops the tune; does nothing when it is not playing.
void StopBuiltInMusic();

// The tick's music step: own music on stops the tune and marks it pending; own music off starts a
// pending tune. A changed Sound setting reaches the playing tune here.
void RunMusicStep();

// The level a Sound setting gives: 0 is full, 65535 silent, linear between.
double TuneVolumeFromSetting(int nVolume);

// Where the tune stands, asked on its own thread (the caller waits for the answer).
TunePlayer::Progress BuiltInMusicProgress();
