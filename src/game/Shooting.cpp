// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Shooting.h"

#include "game/AreaLoad.h"

namespace kluvian {

void Reload(GameState& state) {
    if (state.Ammo != 0)
        state.Score -= kReloadPenalty;
    state.Ammo = kMagazine;
}

void ResolveShot(World& world, std::uint8_t pickedRed) {
    GameState& state = world.state;
    if (state.Ammo <= 0)
        return;
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            TChicken& bird = world.birds(g, i);
            if (bird.Id == pickedRed && bird.Falling == 0) {
                bird.Falling = kFallSteps;
                state.Score += HitPoints[std::size_t(g)];
            }
        }
    state.ShotScale = 1.01f;
    state.ShotPhase = 1;
    if (pickedRed == 0)
        state.Score -= kMissPenalty;
    --state.Ammo;
}

std::string ShotSoundPath(const GameState& state) {
    return AreaDir(state) + std::string(kShotSoundFile);
}

bool CountDownTick(GameState& state) {
    --state.TimeLeft;
    if (state.TimeLeft > 0)
        return false;
    state.Running = false;
    return true;
}

} // namespace kluvian
