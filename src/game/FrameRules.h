// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "platform/Clock.h"

#include <cstdint>
#include <string>

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

// The frame-rate text: Fps rounded to the nearest integer, halves to even, then " FPS".
std::string FpsText(float Fps);
std::string ScoreText(const GameState& state);
std::string TimeText(const GameState& state);

// Frame timing kept by the drawing between frames.
struct FrameStats {
    std::uint32_t LastFrameTick = 0;
    std::int32_t FrameCount = 0;
    std::uint32_t LastFpsTick = 0;
    float Fps = 0;

    // Called when the drawing is created: the first rate covers the time from then on.
    void Start(const Clock& clock) { LastFpsTick = clock.TickCount(); }
    // Called at the end of every frame, picking passes included: counts the frame and, at
    // least 500 ms after the last update, recomputes Fps as frames per second.
    void EndFrame(const Clock& clock);
};

} // namespace kluvian
