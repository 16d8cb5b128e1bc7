// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Shooting.h"
#include "support/FakeClock.h"

#include "game/InitWorld.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

struct Shooting : ::testing::Test {
    FakeClock clock;
    World world{clock};
    GameState& state = world.state;

    void SetUp() override {
        InitWorld(world, "/game/", [](const std::string&, PictureSlot) {});
    }
};

TEST_F(Shooting, EightShotsEmptyTheMagazineAndTheNinthDoesNothing) {
    state.Ammo = 8;
    for (int k = 0; k < 8; ++k)
        ResolveShot(world, 0);
    EXPECT_EQ(state.Ammo, 0);
    EXPECT_EQ(state.Score, -16);
    state.ShotPhase = 0;
    state.ShotScale = 1.0f;
    ResolveShot(world, 12);
    EXPECT_EQ(state.Ammo, 0);
    EXPECT_EQ(state.Score, -16);
    EXPECT_EQ(state.ShotPhase, 0);
    EXPECT_EQ(world.birds(Small, 2).Falling, 0);
}

TEST_F(Shooting, HitsScoreByGroupStartTheFallAndNeverCountTwice) {
    state.Ammo = 8;
    ResolveShot(world, 13);
    EXPECT_EQ(world.birds(Small, 3).Falling, 50);
    EXPECT_EQ(state.Score, 25);
    ResolveShot(world, 29);
    EXPECT_EQ(world.birds(Medium, 9).Falling, 50);
    EXPECT_EQ(state.Score, 40);
    ResolveShot(world, 30);
    EXPECT_EQ(world.birds(Big, 0).Falling, 50);
    EXPECT_EQ(state.Score, 45);
    EXPECT_EQ(state.ShotScale, 1.01f);
    EXPECT_EQ(state.ShotPhase, 1);

    // A falling bird gives nothing and is no miss; its countdown is not restarted.
    world.birds(Small, 3).Falling = 20;
    ResolveShot(world, 13);
    EXPECT_EQ(state.Score, 45);
    EXPECT_EQ(world.birds(Small, 3).Falling, 20);
    // A red value that is no bird (a stray blend) is no miss either.
    ResolveShot(world, 200);
    EXPECT_EQ(state.Score, 45);
    EXPECT_EQ(state.Ammo, 3);
    int falling = 0;
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g)
            falling += world.birds(g, i).Falling != 0;
    EXPECT_EQ(falling, 3);
}

TEST_F(Shooting, ReloadCostsFivePointsOnlyWithCartridgesLeft) {
    state.Ammo = 3;
    Reload(state);
    EXPECT_EQ(state.Ammo, 8);
    EXPECT_EQ(state.Score, -5);
    state.Ammo = 0;
    Reload(state);
    EXPECT_EQ(state.Ammo, 8);
    EXPECT_EQ(state.Score, -5);
    Reload(state);
    EXPECT_EQ(state.Score, -10);
}

TEST_F(Shooting, TheClockRunsOutAtTheNinetiethTick) {
    state.TimeLeft = 90;
    state.Running = true;
    int ticks = 0;
    while (!CountDownTick(state))
        ++ticks;
    EXPECT_EQ(ticks + 1, 90);
    EXPECT_EQ(state.TimeLeft, 0);
    EXPECT_FALSE(state.Running);

    // A load that failed after an earlier game ended leaves 0; the next tick still ends.
    state.TimeLeft = 0;
    EXPECT_TRUE(CountDownTick(state));
    EXPECT_EQ(state.TimeLeft, -1);
}

} // namespace
} // namespace kluvian
