// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameStats.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(FrameStats, TheFrameRateIsMeasuredEveryHalfSecondAtTheEarliest) {
    FakeClock clock;
    clock.tick = 0xFFFFFF00u; // the count wraps during the measurement
    FrameStats stats;
    stats.Start(clock);
    for (int k = 0; k < 29; ++k) {
        clock.tick += 17;
        stats.EndFrame(clock);
    }
    EXPECT_EQ(stats.Fps, 0); // 493 ms so far
    EXPECT_EQ(stats.FrameCount, 29);
    clock.tick += 107;
    stats.EndFrame(clock);
    EXPECT_FLOAT_EQ(stats.Fps, 50.0f); // 30 frames in 600 ms
    EXPECT_EQ(stats.FrameCount, 0);
    EXPECT_EQ(stats.LastFpsTick, clock.tick);
}

} // namespace
} // namespace kluvian
