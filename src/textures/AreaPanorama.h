// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <string>

namespace kluvian {

// A picture of an area's whole panorama as a player sees it sweeping from one end to the
// other: the background's tiles side by side as the game draws them (mirrored, their lower
// part), and over them the foreground as it passes while the view pans, which squeezes it by
// a quarter. width x height pixels, RGB, the top row first; what a missing or refused picture
// would show stays black. Decodes the layer pictures in dir (ending in '/') with the game's
// reader: a matter of tens of milliseconds, for a worker thread. Throws std::bad_alloc.
Picture AreaPanorama(const std::string& dir, int width, int height);

} // namespace kluvian
