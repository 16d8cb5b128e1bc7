// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFrame.h"
#include "support/FakeClock.h"
#include "support/FixedKeys.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(RunFrameRules, APictureShowsTheCrossHairAsTheFrameFoundItAPickingPassOnlyPansAPauseHoldsAll) {
    FakeClock clock;
    World world{clock};
    FixedKeys keys;
    FrameStats stats;
    GameState& state = world.state;
    state.Running = true;
    state.ShotScale = 1.01f; // a shot was just fired
    state.ShotPhase = 1;
    keys.left = true;
    RunFrameRules(world, stats, {clock, keys, true}, false);
    EXPECT_FLOAT_EQ(stats.shownShotScale, 1.01f);
    EXPECT_NEAR(state.ShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -4);

    RunFrameRules(world, stats, {clock, keys, true}, true);
    EXPECT_FLOAT_EQ(stats.shownShotScale, 1.01f); // the screen still shows the last picture
    EXPECT_NEAR(state.ShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -8);
    EXPECT_EQ(stats.FrameCount, 2);

    RunFrameRules(world, stats, {clock, keys, false}, false); // another window is active
    EXPECT_NEAR(stats.shownShotScale, 1.11f, 1e-5);
    EXPECT_EQ(state.BackScroll, -8);

    state.paused = true; // the picture stands still, its frame-rate text with it
    RunFrameRules(world, stats, {clock, keys, true}, false);
    EXPECT_EQ(state.BackScroll, -8);
    EXPECT_NEAR(state.ShotScale, 1.21f, 1e-5);
    EXPECT_EQ(stats.FrameCount, 3);
}

} // namespace
} // namespace kluvian
