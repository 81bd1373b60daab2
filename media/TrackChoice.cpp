#include "media/TrackChoice.h"

int ChooseTrackRow(int mode, bool playing, bool byUser, int selected, int current, int count,
                   int (*draw)()) {
    if (playing && byUser)
        return selected;
    if (playing) {
        if (mode == kRepeatOne)
            return current;
        if (mode == kRepeatAll)
            return current + 1 >= count ? 0 : current + 1;
        return draw() % count;
    }
    if (selected >= 0)
        return selected;
    return mode == kRandomMusic ? draw() % count : 0;
}
