// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <cstdint>
#include <string>

namespace kluvian {

inline constexpr std::int32_t kMagazine = 8;
// The length of a game, in countdown ticks of a second.
inline constexpr std::int32_t kGameSeconds = 90;
inline constexpr std::int32_t kFallSteps = 50;
inline constexpr std::int32_t kMissPenalty = 2;
inline constexpr std::int32_t kReloadPenalty = 5;

// Right button: refills the magazine; costs 5 points when cartridges were left.
void Reload(GameState& state);

// Left button, after the picking pass has read the red byte under the pointer: the flying
// bird with that Id starts falling and scores, 0 (the background) is a miss, the cross-hair
// animation restarts and one cartridge is used. Does nothing without a cartridge; the caller
// checks Ammo before rendering the picking pass, and plays the shot sound.
void ResolveShot(World& world, std::uint8_t pickedRed);

// The area's shot sound, which may not exist.
std::string ShotSoundPath(const GameState& state);

// One second of the game clock. Returns true once TimeLeft is down to 0 or below: Running is
// then cleared, and the caller stops the countdown timer first and then ends the game.
bool CountDownTick(GameState& state);

} // namespace kluvian
