// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <string>
#include <string_view>

namespace kluvian {

// Shown over a paused game.
inline constexpr std::string_view kPauseText = "Pauza";

// The frame-rate text: Fps rounded to the nearest integer, halves to even, then " FPS".
std::string FpsText(float Fps);
std::string ScoreText(const GameState& state);
std::string TimeText(const GameState& state);

} // namespace kluvian
