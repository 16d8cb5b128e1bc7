// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameRules.h"
#include "game/GameState.h"

#include <string>

namespace kluvian {

// Everything the picture of a frame with a game on is drawn from, as bytes: two frames with
// equal looks draw the same picture, so the later one need not be drawn at all. Panning and the
// cross-hair's animation change the state inside the frame itself and are not covered: while
// either may act, frames are drawn. width and height are the drawing's device pixels.
std::string FrameLook(const World& world, const FrameStats& stats, int width, int height,
                      double pixelRatio);

} // namespace kluvian
