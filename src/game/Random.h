// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>

namespace kluvian {

// The game's pseudo-random generator: one 32-bit state shared by every draw of one
// game world (bird placement, frames, the score table's pivots).
class GameRandom {
public:
    explicit GameRandom(const Clock& clock) : clock_(clock) {}

    // state := time of day in UTC, in milliseconds since midnight.
    void ReseedFromClock() { state = clock_.TimeOfDayMs(); }

    // Advances the state (state * 134775813 + 1, modulo 2^32) and returns the upper 32 bits
    // of the 64-bit product of the new state and n: an integer 0 .. n-1. n must be >= 1.
    std::uint32_t RandomBelow(std::uint32_t n) {
        state = state * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t(state) * n) >> 32);
    }

    std::uint32_t state = 0;

private:
    const Clock& clock_;
};

} // namespace kluvian
