// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameRules.h"

#include <array>
#include <cmath>

namespace kluvian {
namespace {

constexpr double kTickFactor = 1e-11;
constexpr std::array<long double, kGroups> kBirdPan{4, 5, 6};

void Pan(World& world, long double direction) {
    GameState& state = world.state;
    const long double f = static_cast<long double>(state.FrameFactor) * direction;
    state.BackScroll += 4 * f;
    state.FrontScroll += 6 * f;
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g)
            world.birds(g, i).X += kBirdPan[std::size_t(g)] * f;
}

} // namespace

void UpdateFrameFactor(GameState& state, std::uint32_t& LastFrameTick, const Clock& clock) {
    const std::uint32_t frameTime = clock.TickCount() - LastFrameTick;
    state.FrameFactor = frameTime * kTickFactor + 1.0;
    LastFrameTick = clock.TickCount();
}

void PanStep(World& world, bool leftHeld, bool rightHeld, bool windowActive) {
    const long double back = world.state.BackScroll;
    if (leftHeld && !rightHeld && windowActive && back > kMinBackScroll)
        Pan(world, -1);
    else if (!leftHeld && rightHeld && windowActive && back < 0)
        Pan(world, +1);
}

void AdvanceShotAnimation(GameState& state) {
    if (state.ShotPhase == 0)
        return;
    if (state.ShotScale > 2.0f)
        state.ShotPhase = -1;
    if (state.ShotScale <= 1.0f) {
        state.ShotPhase = 0;
        state.ShotScale = 1.0f;
    }
    const double step = 0.1 * state.FrameFactor;
    if (state.ShotPhase == 1)
        state.ShotScale = static_cast<float>(state.ShotScale + step);
    else if (state.ShotPhase == -1)
        state.ShotScale = static_cast<float>(state.ShotScale - step);
}

} // namespace kluvian
