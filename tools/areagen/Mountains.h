#pragma once

#include <QImage>

namespace kluvian::areagen {

// Width and height of the whole background panorama in texels: three 1024 x 1024 tiles.
inline constexpr int kPanoramaWidth = 3 * 1024;
inline constexpr int kPanoramaHeight = 1024;
// Rows above this one lie above the view: the world shows only the lower three quarters.
inline constexpr int kFirstVisibleRow = 256;

// The sky and the mountain ridges, upright and as they appear on screen from left to right.
QImage PaintMountainPanorama();

} // namespace kluvian::areagen
