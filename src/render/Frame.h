// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameRules.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"

namespace kluvian {

// Everything one frame needs besides the world.
struct FrameInputs {
    const Clock& clock;
    const KeyState& keys;
    bool windowActive = false;
    int width = 0; // the drawing in device pixels
    int height = 0;
    double pixelRatio = 1.0; // device pixels per logical (mouse) pixel
};

// One frame of the game into the current framebuffer: timing, clear, projection, panning,
// and while a game runs the scene, the head-up display and the cross-hair. With PickMode
// set it is the picking pass: only the birds, each in the colour whose red is its Id.
// Clears PickMode and counts the frame in stats. Presenting is the caller's.
void RenderFrame(World& world, FrameStats& stats, const FrameInputs& in);

// A frame that would repeat the last picture (no arrow held, no shot animating): its timing,
// PickMode cleared and the frame counted, as RenderFrame does, with nothing drawn.
void RunFrameWithoutDrawing(World& world, FrameStats& stats, const Clock& clock);

} // namespace kluvian
