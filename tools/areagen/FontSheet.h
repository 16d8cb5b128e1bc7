// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace kluvian::areagen {

inline constexpr int kFontCell = 32;

// 512 x 512, upright: a 16 x 16 grid of 32 x 32 cells, cell (k mod 16, k div 16) holding the
// glyph of byte k in code page 1250, white with a thin dark outline, alpha the coverage. Each
// glyph's ink stays within the middle half of its cell's width, as text advances by half a cell.
QImage PaintFontSheet();

// The character that byte k stands for in code page 1250, or 0 where the byte is undefined or
// a control code.
char16_t Cp1250Char(int k);

} // namespace kluvian::areagen
