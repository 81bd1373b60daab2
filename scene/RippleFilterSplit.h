#pragma once

class CRippleSurface;

// Draws the ripple grid like CRippleSurface::Draw, pixel for pixel, but cheaper under software
// GL: triangles whose texture footprint never leaves the base mipmap level are drawn with the
// plain GL_LINEAR filter, which skips the per-pixel level selection; the rest keep the bound
// texture's mipmapped filter. Falls back to Draw when the texture, its filters or the transform
// give no such guarantee. Uses the current matrices, viewport and bound texture.
void DrawRippleGridSplitByFilter(const CRippleSurface& water);
