// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameStats.h"
#include "game/GameState.h"
#include "render/Frame.h"

#include <string>

namespace kluvian {

// Everything a frame's picture is drawn from, as bytes: two frames with equal looks draw the
// same picture, so the later one need not be drawn or presented. Without a game the picture
// is black whatever the birds and the panning do.
std::string FrameLook(const World& world, const FrameStats& stats, const DrawingSize& size);

} // namespace kluvian
