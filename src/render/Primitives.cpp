// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Primitives.h"

namespace kluvian {

void DrawSprite(bool Mirror, double X, double Y, double Size) {
    const float s0 = Mirror ? 0.0f : 1.0f;
    const float s1 = 1.0f - s0;
    const auto x = static_cast<float>(X);
    const auto y = static_cast<float>(Y);
    const auto xs = static_cast<float>(X + Size);
    const auto ys = static_cast<float>(Y + Size);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, 0);
    glVertex3f(x, y, 0);
    glTexCoord2f(s1, 0);
    glVertex3f(xs, y, 0);
    glTexCoord2f(s1, 1);
    glVertex3f(xs, ys, 0);
    glTexCoord2f(s0, 1);
    glVertex3f(x, ys, 0);
    glEnd();
}

void DrawTexturePart(float x0, float x1, float y0, float y1, const VisiblePart& part) {
    glBegin(GL_QUADS);
    glTexCoord2f(part.s0, part.t0);
    glVertex3f(x0, y0, 0);
    glTexCoord2f(part.s1, part.t0);
    glVertex3f(x1, y0, 0);
    glTexCoord2f(part.s1, part.t1);
    glVertex3f(x1, y1, 0);
    glTexCoord2f(part.s0, part.t1);
    glVertex3f(x0, y1, 0);
    glEnd();
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
    for (std::size_t pos = 0; pos < Text.size(); ++pos) {
        const auto k = static_cast<unsigned char>(Text[pos]);
        const float cx = float(k % 16) * kCell;
        const float cy = float(k / 16) * kCell;
        // The product is whole; halving it in floating point gives the .5 positions.
        const double h = double(std::int32_t(pos + 1) * Size) / 2.0;
        const auto left = static_cast<float>(X - h);
        const auto right = static_cast<float>(X - h - Size);
        const auto bottom = static_cast<float>(Y);
        const auto top = static_cast<float>(Y + Size);
        glPushMatrix();
        glColor3f(R, G, B);
        glBegin(GL_QUADS);
        glTexCoord2f(cx, cy + kCell);
        glVertex3f(left, bottom, 0);
        glTexCoord2f(cx + kCell, cy + kCell);
        glVertex3f(right, bottom, 0);
        glTexCoord2f(cx + kCell, cy);
        glVertex3f(right, top, 0);
        glTexCoord2f(cx, cy);
        glVertex3f(left, top, 0);
        glEnd();
        glPopMatrix();
    }
}

} // namespace kluvian
