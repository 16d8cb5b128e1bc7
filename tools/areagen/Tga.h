// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace kluvian::areagen {

enum class TgaKind {
    Rgb24,     // image type 2, no alpha
    Rgba32,    // image type 2, 8 alpha bits
    Rgba32Rle, // image type 10, 8 alpha bits
};

struct TgaLayout {
    TgaKind kind = TgaKind::Rgba32;
    // Store the picture's top row first (and say so in the descriptor); else bottom row first.
    bool topDown = false;
    // Store each row right to left, for pictures the game shows mirrored.
    bool mirrored = false;
};

// The bytes of a TGA file holding `picture`, given upright as it should look (top row first).
std::vector<std::uint8_t> EncodeTga(const QImage& picture, TgaLayout layout);

// The picture as the game uploads it: rows in stored order, so row 0 is texture t = 0, whatever
// the descriptor says. A null image when the bytes are not a 24/32-bit type 2 or 10 TGA.
QImage DecodeTgaRows(std::span<const std::uint8_t> bytes);

} // namespace kluvian::areagen
