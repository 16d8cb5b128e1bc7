// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Random.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(GameRandom, DrawsFollowTheLinearCongruenceAndTakeTheUpperBitsOfTheProduct) {
    FakeClock clock;
    clock.timeOfDay = ((13 * 60 + 45) * 60 + 7) * 1000 + 250; // 13:45:07.250 UTC
    GameRandom random(clock);
    random.ReseedFromClock();
    EXPECT_EQ(random.state, 49'507'250u);

    // By hand: 49507250 * 134775813 + 1 = 6672379868144251, mod 2^32 = 2144920187;
    // 2144920187 * 4 >> 32 = 1.
    EXPECT_EQ(random.RandomBelow(4), 1u);
    EXPECT_EQ(random.state, 2'144'920'187u);

    random.state = 0;
    EXPECT_EQ(random.RandomBelow(1000), 0u); // state 1: 1000 >> 32 = 0
    EXPECT_EQ(random.state, 1u);
    EXPECT_EQ(random.RandomBelow(1000), 31u); // state 134775814: 134775814000 >> 32 = 31
    random.state = 0xFFFFFFFFu;
    // 0xFFFFFFFF * 134775813 + 1 = -134775812 mod 2^32 = 4160191484
    EXPECT_EQ(random.RandomBelow(6), 5u);
    EXPECT_EQ(random.state, 4'160'191'484u);
}

} // namespace
} // namespace kluvian
