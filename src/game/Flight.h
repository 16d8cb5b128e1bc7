// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <cstdint>

namespace kluvian {

// The animation frame after f: f + 1 up to 5, then 0 again.
std::int32_t NextFrame(std::int32_t f);

// One flight step (every 50 ms) of all thirty birds: per index i = 0..9, and per bird the
// small, the medium and the big one, re-spawn after falling, fall countdown, animation,
// bounds check and movement. A falling bird drops 8 x FrameFactor units per step.
void ProceedStep(World& world);

} // namespace kluvian
