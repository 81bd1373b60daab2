#pragma once

#include <QImage>

// The bubble sprite: 64 x 64 on black (black adds nothing under additive blending), a thin
// bright rim, a faint body and a small specular highlight.
QImage PaintParticle();
