// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TimerHold.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(TimerHold, ANewStartDropsTheRestOfAnEarlierPeriodAndAHoldStopsEverything) {
    QTimer timer;
    timer.setInterval(1000);
    int ticks = 0;
    TimerHold hold(timer, [&] { ++ticks; });
    hold.Start();
    hold.Hold();
    EXPECT_FALSE(hold.Running());
    hold.Release(); // the rest of the period runs
    EXPECT_TRUE(hold.Running());
    hold.Start(); // a new game before that rest has passed
    hold.Hold();
    EXPECT_FALSE(hold.Running());
    hold.Stop();
    hold.Release(); // nothing is held after a stop
    EXPECT_FALSE(hold.Running());
    EXPECT_EQ(ticks, 0);
}

} // namespace
} // namespace kluvian
