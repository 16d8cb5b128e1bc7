// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Primitives.h"

namespace kluvian {

void WriteQuad(const Quad& q) {
    glBegin(GL_QUADS);
    glTexCoord2f(q.s0, q.t0);
    glVertex3f(q.x0, q.y0, 0);
    glTexCoord2f(q.s1, q.t0);
    glVertex3f(q.x1, q.y0, 0);
    glTexCoord2f(q.s1, q.t1);
    glVertex3f(q.x1, q.y1, 0);
    glTexCoord2f(q.s0, q.t1);
    glVertex3f(q.x0, q.y1, 0);
    glEnd();
}

void DrawSprite(bool Mirror, double X, double Y, double Size) {
    const float s0 = Mirror ? 0.0f : 1.0f;
    WriteQuad({static_cast<float>(X), static_cast<float>(X + Size), static_cast<float>(Y),
               static_cast<float>(Y + Size), s0, 1.0f - s0, 0, 1});
}

void DrawTexturePart(float x0, float x1, float y0, float y1, const VisiblePart& part) {
    WriteQuad({x0, x1, y0, y1, part.s0, part.s1, part.t0, part.t1});
}

void DrawSpritePart(bool Mirror, double X, double Y, double Size, const VisiblePart& part) {
    // Where texture coordinate s lands: s = 0 on the left of the square in world x when
    // mirrored, on its right otherwise (see DrawSprite).
    const auto x = [&](float s) { return static_cast<float>(X + (Mirror ? s : 1 - s) * Size); };
    const auto y = [&](float t) { return static_cast<float>(Y + t * Size); };
    DrawTexturePart(x(part.s0), x(part.s1), y(part.t0), y(part.t1), part);
}

void DrawFontText(GLuint FontTex, std::string_view Text, std::int32_t X, std::int32_t Y,
                  std::int32_t Size, float R, float G, float B) {
    constexpr float kCell = 0.0625f;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, FontTex);
    glColor3f(R, G, B);
    for (std::size_t pos = 0; pos < Text.size(); ++pos) {
        const auto k = static_cast<unsigned char>(Text[pos]);
        const float cx = float(k % 16) * kCell;
        const float cy = float(k / 16) * kCell;
        // The product is whole; halving it in floating point gives the .5 positions.
        const double h = double(std::int32_t(pos + 1) * Size) / 2.0;
        WriteQuad({static_cast<float>(X - h), static_cast<float>(X - h - Size),
                   static_cast<float>(Y), static_cast<float>(Y + Size), cx, cx + kCell, cy + kCell,
                   cy});
    }
}

} // namespace kluvian
