// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>

namespace kluvian::areagen {

// The sizes of the application icon a desktop's icon theme asks for.
inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

// The application icon at pixels x pixels.
QImage PaintIconAt(int pixels);

} // namespace kluvian::areagen
