#pragma once

#include <QImage>

// The built-in background picture: 1024 x 512, painted for a view about 16:9 wide (it is
// stretched that way on screen), never pure black.
QImage PaintBackground();

// Design space: the picture is drawn at 1024 x 576 (16:9) and squeezed to 1024 x 512, so the
// stretch on screen restores round shapes.
constexpr int kSceneWidth = 1024;
constexpr int kSceneHeight = 576;

// The sand line (design pixels) at x: the floor starts below it.
double SandLine(double x);
