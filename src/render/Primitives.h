// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/VisiblePart.h"

#include <GL/gl.h>

#include <cstdint>
#include <string_view>

namespace kluvian {

// A textured quad: its corners (x0, y0) .. (x1, y1) take texture coordinates (s0, t0) ..
// (s1, t1), in the frame that is current. Every quad of a picture is written by WriteQuad.
struct Quad {
    float x0, x1, y0, y1;
    float s0, s1, t0, t1;
};
void WriteQuad(const Quad& quad);

// A textured square X..X+Size, Y..Y+Size in the world frame, picture upright on the screen;
// Mirror flips it left to right. The caller binds the texture and sets the colour; no other
// GL state changes.
void DrawSprite(bool Mirror, double X, double Y, double Size);
// A quad over the part of a texture: texture coordinates (part.s0, part.t0) .. (part.s1,
// part.t1) at the world points x0 .. x1, y0 .. y1.
void DrawTexturePart(float x0, float x1, float y0, float y1, const VisiblePart& part);
// The same sprite drawn over the part of its texture that shows alone: the same picture.
void DrawSpritePart(bool Mirror, double X, double Y, double Size, const VisiblePart& part);

// Writes Text (code page 1250 bytes) with the 16 x 16 glyph grid in FontTex: glyph i
// (1-based) is a Size x Size square whose left edge lies 800 - X + i * Size / 2 units from the
// left of the view and whose bottom lies Y units above the bottom. Leaves texturing and
// blending on, the font bound and the colour current.
void DrawFontText(GLuint FontTex, std::string_view Text, std::int32_t X, std::int32_t Y,
                  std::int32_t Size, float R, float G, float B);

} // namespace kluvian
