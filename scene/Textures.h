#pragma once

#include <GL/gl.h>

#include <string>

// BMP texture loaders. Each generates a texture name and leaves it bound to GL_TEXTURE_2D; a file
// that is missing or malformed leaves the texture without an image.

// 24-bit BMP with a full mipmap chain; pure black pixels become transparent.
void LoadTextureMipmapped(const std::string& path, GLuint* texture);

// 8-, 24- or 32-bit BMP fitted to power-of-two sides (at most 512), no mipmaps.
void LoadTexture(const std::string& path, GLuint* texture);

// A 128 x 128 RGBA texture of zeros.
GLuint CreateBlankTexture();

// Extract the built-in resource, load it with LoadTexture (or LoadTextureMipmapped) and delete
// both files: the whole round trip for one built-in picture.
void LoadBuiltInTexture(int resourceId, const std::string& dir, const std::string& name,
                        GLuint* texture, bool mipmapped = false);
