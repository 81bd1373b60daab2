#pragma once

#include <GL/gl.h>

class CRippleSurface;

// Smallest power of two >= n (at least 1).
int NextPowerOfTwo(int n);

// The Ripple tool's last drawing step of a frame: copies the frame (width x height from the
// window origin) into `texture`, which it first grows to the next power of two of each side when
// it is smaller, draws it again through the ripple grid over the whole window, so the waves the
// clicks start distort the scene (cells the waves leave in place are not redrawn), and then
// steps the ripples once more. Leaves the matrices and
// the enables it touches as they were; `texture` stays bound.
void RippleOverlay(CRippleSurface& water, GLuint texture, int width, int height);
