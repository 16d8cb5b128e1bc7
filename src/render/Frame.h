// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameStats.h"
#include "game/GameState.h"
#include "textures/VisiblePart.h"

namespace kluvian {

// The drawing's size in device pixels, and device pixels per logical (mouse) pixel.
struct DrawingSize {
    int width = 0;
    int height = 0;
    double pixelRatio = 1.0;
    bool operator==(const DrawingSize&) const = default;
};

// Draws the world as it is into the current framebuffer: clear and world frame, and while a
// game runs the scene, the head-up display and the cross-hair (at stats.shownShotScale).
// With PickMode it is the picking pass instead: only the birds, each in the colour whose red
// is its Id. parts tells where the textures are transparent, which needs no drawing. Changes
// nothing but GL state; presenting is the caller's.
void DrawFrame(const World& world, const FrameStats& stats, const VisibleParts& parts,
               const DrawingSize& size, bool PickMode);

} // namespace kluvian
