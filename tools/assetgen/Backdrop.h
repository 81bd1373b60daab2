#pragma once

#include <QImage>

// The main window's picture and the tool bar's backdrop: 256 x 256 of calm water, rays and
// bubbles, quiet enough to sit behind the icons even when stretched.
QImage PaintBackdrop();
