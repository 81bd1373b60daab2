#pragma once

#include <QImage>

// Menu and tool bar icons, 32 x 32 with alpha, all on the same glossy aquatic badge.
// Ids: 180 fish settings, 253 music, 232 background pictures (water picture with ripples, so it
// also serves the Ripple button), 175 exit, 160 touch fish, 133 feed, 137 aquarium settings,
// 136 camera. Returns a null image for any other id.
QImage PaintIcon(int id);

constexpr int kIconIds[] = {180, 253, 232, 175, 160, 133, 137, 136};
