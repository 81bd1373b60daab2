#pragma once

#include <GL/gl.h>

class QImage;

// Makes a mipmapped texture of a decoded picture with SOIL: stretched to power-of-two sides (the
// next ones up, or the ones below when they lose at most a tenth of a side),
// flipped so its top row is at the top of the tank, colours kept within the NTSC-safe range
// 16..235, and compressed (DXT1, or DXT5 with transparency) where the GL can show that. Needs a
// current GL context; 0 when no texture could be made. The texture stays bound, filtered
// linearly from its full-size level.
GLuint CreatePictureTexture(const QImage& picture);

// Gives a picture's texture back to the GL; 0 is ignored.
void ReleasePictureTexture(GLuint texture);
