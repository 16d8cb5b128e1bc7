// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "platform/Clock.h"

#include <cstdint>

namespace kluvian {

// Start of a frame: FrameFactor = (now - LastFrameTick) x 1e-11 + 1, the difference taken as
// a wrapping 32-bit tick count; LastFrameTick then takes a fresh tick.
void UpdateFrameFactor(GameState& state, std::uint32_t& LastFrameTick, const Clock& clock);

// Arrow-key panning of one frame. Exactly one arrow held, in the active window, pans while
// BackScroll is inside -1600..0 (tested before the step, so the last step may overshoot):
// left moves BackScroll by -4 F, FrontScroll by -6 F and the small, medium and big birds by
// -4, -5, -6 F (F = FrameFactor), falling birds included; right moves the other way.
void PanStep(World& world, bool leftHeld, bool rightHeld, bool windowActive);

// The cross-hair's grow-and-shrink after a shot, one frame's worth; idle while ShotPhase is 0.
void AdvanceShotAnimation(GameState& state);

} // namespace kluvian
