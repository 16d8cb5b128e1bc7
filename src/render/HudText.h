// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <string>

namespace kluvian {

// The words of the head-up display, in the player's language as code page 1250 bytes: the
// bitmap font's encoding.

// Shown over a paused game.
std::string PauseText();

// The frame-rate text: Fps rounded to the nearest integer, halves to even, then " FPS".
std::string FpsText(float Fps);
// Fps as FpsText shows it: rounded to the nearest integer, halves to even.
long long RoundedFps(float Fps);
std::string ScoreText(std::int32_t Score);
std::string TimeText(std::int32_t TimeLeft);

} // namespace kluvian
