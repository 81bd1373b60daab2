#pragma once

#include <QImage>

// A side view of slot i's fish, wearing the same skin as in the tank, on a transparent ground.
// Drawn 4 times larger and scaled down, so the edges come out smooth.
QImage PaintFishPortrait(int species, int width, int height);
