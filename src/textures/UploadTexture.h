// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <GL/gl.h>

#include <cstdint>

namespace kluvian {

// Creates a texture from tightly packed pixels (rows without padding, the first row at the
// bottom) and returns its name, left bound. format GL_RGBA builds a full mipmap chain with
// gluBuild2DMipmaps; any other format is taken as GL_RGB and uploads one level. The texture
// environment is GL_MODULATE and both filters GL_LINEAR. The buffer is not retained.
// Needs a current GL context; the caller owns the texture.
GLuint UploadTexture(std::uint16_t width, std::uint16_t height, std::uint16_t format,
                     const std::uint8_t* pixels);

} // namespace kluvian
