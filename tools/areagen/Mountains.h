// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Look.h"

#include <QImage>

namespace kluvian::areagen {

// The background panorama is laid out in units of three 1024 x 1024 tiles, each shown 800
// view units wide and high. Its texels are half a unit wide: a tile is 2048 texels across,
// about one texel per screen pixel when a 1920-pixel-wide window stretches the view 2.4 times.
inline constexpr int kPanoramaWidth = 3 * 1024;
inline constexpr int kPanoramaHeight = 1024;
inline constexpr int kPanoramaTexelsPerUnit = 2;
// Rows above this one lie above the view: the world shows only the lower three quarters.
inline constexpr int kFirstVisibleRow = 256;

// The sky and the mountain ridges of the look, upright and as they appear on screen from left
// to right: kPanoramaWidth * kPanoramaTexelsPerUnit x kPanoramaHeight texels.
QImage PaintMountainPanorama(const Look& look);

} // namespace kluvian::areagen
