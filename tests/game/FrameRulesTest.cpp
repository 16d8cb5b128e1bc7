// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameRules.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace kluvian {
namespace {

// A tick counter that moves on by a fixed amount each time it is read.
class TickingClock final : public Clock {
public:
    mutable std::uint32_t tick = 0;
    std::uint32_t step = 0;
    std::uint32_t TickCount() const override {
        const std::uint32_t now = tick;
        tick += step;
        return now;
    }
    std::uint32_t TimeOfDayMs() const override { return 0; }
    double SteadyMilliseconds() const override { return 0; }
};

TEST(FrameRules, TheFrameFactorUsesAWrappingFrameTimeAndAFreshTick) {
    TickingClock clock;
    clock.tick = 0x100;
    clock.step = 3;
    GameState state;
    std::uint32_t last = 0xFFFFFF00u;
    UpdateFrameFactor(state, last, clock);
    EXPECT_DOUBLE_EQ(state.FrameFactor, 1.0 + 512 * 1e-11);
    EXPECT_EQ(last, 0x103u);

    FakeClock still;
    still.tick = 4'000'000'000u; // the first frame: the tick counter's own age
    last = 0;
    UpdateFrameFactor(state, last, still);
    EXPECT_DOUBLE_EQ(state.FrameFactor, 1.04);
}

TEST(FrameRules, PanningLeftFourHundredFramesReachesTheEndOfThePanorama) {
    FakeClock clock;
    World world(clock);
    world.state.FrameFactor = 1.0;
    world.birds(Small, 0).X = 100;
    world.birds(Medium, 5).X = 100;
    world.birds(Big, 9).X = 100;
    world.birds(Big, 9).Falling = 30;
    for (int k = 0; k < 400; ++k)
        PanStep(world, true, false, true);
    EXPECT_EQ(world.state.BackScroll, -1600);
    EXPECT_EQ(world.state.FrontScroll, -2400);
    EXPECT_EQ(world.birds(Small, 0).X, 100 - 1600);
    EXPECT_EQ(world.birds(Medium, 5).X, 100 - 2000);
    EXPECT_EQ(world.birds(Big, 9).X, 100 - 2400);
    PanStep(world, true, false, true);
    EXPECT_EQ(world.state.BackScroll, -1600);

    PanStep(world, false, true, true);
    EXPECT_EQ(world.state.BackScroll, -1596);
    EXPECT_EQ(world.state.FrontScroll, -2394);
    EXPECT_EQ(world.birds(Medium, 5).X, 100 - 1995);
}

TEST(FrameRules, PanningNeedsOneArrowAndTheActiveWindowAndTestsTheLimitFirst) {
    FakeClock clock;
    World world(clock);
    world.state.FrameFactor = 1.0;
    world.state.BackScroll = -800;
    PanStep(world, true, true, true);
    PanStep(world, true, false, false);
    PanStep(world, false, true, false);
    PanStep(world, false, false, true);
    EXPECT_EQ(world.state.BackScroll, -800);
    EXPECT_EQ(world.state.FrontScroll, 0);

    world.state.BackScroll = -1599;
    world.state.FrameFactor = 2.0;
    PanStep(world, true, false, true);
    EXPECT_EQ(world.state.BackScroll, -1607); // overshoots by less than one step
    PanStep(world, true, false, true);
    EXPECT_EQ(world.state.BackScroll, -1607);
    world.state.BackScroll = -1;
    PanStep(world, false, true, true);
    EXPECT_EQ(world.state.BackScroll, 7);
    PanStep(world, false, true, true);
    EXPECT_EQ(world.state.BackScroll, 7);
}

TEST(FrameRules, TheCrossHairGrowsPastTwoShrinksBelowOneAndRests) {
    GameState state;
    state.FrameFactor = 1.0;
    state.ShotScale = 1.01f;
    state.ShotPhase = 1;
    std::vector<float> drawn;
    for (int frame = 0; frame < 25; ++frame) {
        drawn.push_back(state.ShotScale);
        AdvanceShotAnimation(state);
    }
    const std::vector<double> expected{1.01, 1.11, 1.21, 1.31, 1.41, 1.51, 1.61, 1.71, 1.81,
                                       1.91, 2.01, 1.91, 1.81, 1.71, 1.61, 1.51, 1.41, 1.31,
                                       1.21, 1.11, 1.01, 0.91, 1.0,  1.0,  1.0};
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_NEAR(drawn[k], expected[k], 1e-4) << "frame " << k;
    EXPECT_EQ(state.ShotPhase, 0);
    EXPECT_EQ(state.ShotScale, 1.0f);
}

} // namespace
} // namespace kluvian
