// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameRules.h"

#include <array>
#include <cmath>

namespace kluvian {
namespace {

constexpr double kTickFactor = 1e-11;
constexpr long double kMinBackScroll = -1600;
constexpr std::uint32_t kFpsInterval = 500;
constexpr std::array<long double, kGroups> kBirdPan{4, 5, 6};

void Pan(World& world, long double direction) {
    GameState& state = world.State;
    const long double f = static_cast<long double>(state.FrameFactor) * direction;
    state.BackScroll += 4 * f;
    state.FrontScroll += 6 * f;
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g)
            world.Birds(g, i).X += kBirdPan[std::size_t(g)] * f;
}

} // namespace

void UpdateFrameFactor(GameState& state, std::uint32_t& LastFrameTick, const Clock& clock) {
    const std::uint32_t frameTime = clock.TickCount() - LastFrameTick;
    state.FrameFactor = frameTime * kTickFactor + 1.0;
    LastFrameTick = clock.TickCount();
}

void PanStep(World& world, bool leftHeld, bool rightHeld, bool windowActive) {
    const long double back = world.State.BackScroll;
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

std::string FpsText(float Fps) {
    // nearbyint rounds halves to even in the default rounding mode.
    return std::to_string(static_cast<long long>(std::nearbyint(double(Fps)))) + " FPS";
}

std::string ScoreText(const GameState& state) {
    return "Wynik: " + std::to_string(state.Score);
}

std::string TimeText(const GameState& state) {
    return "Czas: " + std::to_string(state.TimeLeft);
}

void FrameStats::EndFrame(const Clock& clock) {
    ++FrameCount;
    if (clock.TickCount() - LastFpsTick < kFpsInterval)
        return;
    const std::uint32_t elapsed = clock.TickCount() - LastFpsTick;
    Fps = static_cast<float>(double(FrameCount) / double(elapsed) * 1000.0);
    FrameCount = 0;
    LastFpsTick = clock.TickCount();
}

} // namespace kluvian
