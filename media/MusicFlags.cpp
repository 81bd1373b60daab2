#include "media/MusicFlags.h"

bool g_bOwnMusicOn = true;
bool g_bBuiltInMusicPending = true;
int g_nHighlightedTrack = -1;
