#pragma once

// The play modes of the Custom Music dialog, in the order of its mode boxes.
enum MusicPlayMode { kRepeatOne = 0, kRepeatAll = 1, kRandomMusic = 2 };

// The playlist row to load next. `selected` is the selected row (-1 for none), `current` the row
// loaded now, `count` the number of rows (above 0). While playing, a row the user just picked is
// taken as it is; when a track ends, Repeat One keeps it, Repeat All moves on (wrapping to row 0)
// and Random draws any row. When not playing, the selected row, else row 0 (a drawn row in
// Random). `draw` gives the next random number, 0 .. 32767.
int ChooseTrackRow(int mode, bool playing, bool byUser, int selected, int current, int count,
                   int (*draw)());
