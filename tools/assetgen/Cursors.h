#pragma once

#include <QImage>
#include <QPoint>

// Tool cursors, 32 x 32 with alpha, light shapes with a dark outline so they show on any water.
// Hot spots (x, y):
//   158 hand, 159 hand pressed      (11, 2)  the fingertip
//   163 shaker, 164 shaker pressed  (8, 27)  where the food falls
//   167 enlarge, 177 pressed        (12, 12) the centre of the lens ("+")
//   169 shrink, 178 pressed         (12, 12) the centre of the lens ("-")
// PaintCursor stores the hot spot in the picture as the text keys "HotSpotX" and "HotSpotY", which
// a PNG keeps and QImage reads back. Returns a null image for any other id.
QImage PaintCursor(int id);
QPoint CursorHotSpot(int id);

constexpr char kHotSpotXKey[] = "HotSpotX";
constexpr char kHotSpotYKey[] = "HotSpotY";
constexpr int kCursorIds[] = {158, 159, 163, 164, 167, 177, 169, 178};
