// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace kluvian::test {

using Rgba = std::array<std::uint8_t, 4>;

// A nearest-filtered RGBA texture whose texel (s, t) comes from texel(column, row); row 0 is
// the first row uploaded, which GL places at t = 0.
inline GLuint MakeTexture(int width, int height, const std::function<Rgba(int, int)>& texel) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(width * height * 4));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            for (std::uint8_t byte : texel(column, row))
                pixels.push_back(byte);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return name;
}

inline GLuint SolidTexture(Rgba colour) {
    return MakeTexture(2, 2, [colour](int, int) { return colour; });
}

// Left half of the picture red, right half green: tells mirrored from unmirrored.
inline GLuint LeftRedRightGreen() {
    return MakeTexture(2, 1, [](int column, int) {
        return column == 0 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
    });
}

// A font grid of 16 x 16 cells of 4 x 4 texels; cell k is opaque with red k, green 255 - k.
inline GLuint NumberedFont() {
    return MakeTexture(64, 64, [](int column, int row) {
        const int k = (row / 4) * 16 + column / 4;
        return Rgba{std::uint8_t(k), std::uint8_t(255 - k), 0, 255};
    });
}

} // namespace kluvian::test
