// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Look.h"

#include <QImage>

namespace kluvian::areagen {

// Width of the whole foreground panorama in texels: seven 1024 x 1024 tiles.
inline constexpr int kForestWidth = 7 * 1024;
inline constexpr int kForestHeight = 1024;
// Nothing of the foreground reaches above this row (about the lower 40 % of the view).
inline constexpr int kForestTopRow = 600;

// Conifers, rocks, bushes and grass on transparent ground, upright and as they appear on
// screen from left to right.
QImage PaintForestPanorama(const ForestLook& look);

} // namespace kluvian::areagen
