// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FramePacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace kluvian {
namespace {

struct Display {
    double refreshHz = 0;   // what the screen reports
    bool swapWaits = false; // the swap returns at the display's next refresh
    double actualHz = 60;   // the refresh the swap waits for
    double phaseMs = 0;     // when the display's first refresh comes
};

struct FrameTimes {
    std::vector<double> starts;   // when each frame started
    std::vector<double> presents; // when each frame's swap returned
};

// Frames as the drawing runs them, on a simulated clock: the timer is started when the frame
// has been drawn, the picture is composed and swapped, and the next frame starts when both the
// timer has expired and the swap has returned, a little late as event loops are.
FrameTimes Simulate(const Display& display, int frames, const std::function<double(int)>& drawMs) {
    FramePacer pacer;
    pacer.SetRefreshRate(display.refreshHz);
    const double refresh = 1000.0 / display.actualHz;
    FrameTimes run;
    double now = 3.7;
    for (int i = 0; i < frames; ++i) {
        run.starts.push_back(now);
        pacer.FrameStarted(now);
        const double drawn = now + drawMs(i);
        const double expiry = drawn + pacer.DelayMs(drawn);
        double swapped = drawn + 0.5;
        if (display.swapWaits)
            swapped = display.phaseMs + std::ceil((swapped - display.phaseMs) / refresh) * refresh;
        run.presents.push_back(swapped);
        now = std::max(expiry, swapped) + 0.2 + 0.3 * (i % 3);
    }
    return run;
}

TEST(FramePacer, FramesComeAtTheReportedRefreshWhenTheSwapDoesNotWait) {
    for (const double hz : {0.0, 60.0, 144.0}) { // 0: not reported, taken as 60
        const double period = 1000.0 / (hz > 0 ? hz : 60);
        const FrameTimes run = Simulate({hz}, 1200, [&](int i) {
            if (i == 600)
                return 90.0; // one slow frame, as when a dialog opens
            return period * 0.1 * (i % 7);
        });
        const auto& t = run.starts;
        const double mean = (t[599] - t[0]) / 599;
        EXPECT_NEAR(mean, period, period * 0.01) << hz;
        for (std::size_t i = 1; i < t.size(); ++i) {
            // Never faster than the display and never a burst after the slow frame.
            EXPECT_GE(t[i] - t[i - 1], period / 2) << hz << " frame " << i;
            if (i != 601) {
                EXPECT_LE(t[i] - t[i - 1], period + 1.5) << hz << " frame " << i;
            }
        }
        EXPECT_NEAR((t[1199] - t[602]) / 597, period, period * 0.01) << hz;
    }
}

TEST(FramePacer, ASwapThatWaitsForTheDisplayGetsAFrameAtEveryRefresh) {
    // The reported rate is what the display does, or a little more (59.94 Hz shown as 60);
    // the frame may take most of a refresh to draw.
    for (const double actual : {60.0, 59.94}) {
        for (const double phase : {0.0, 5.0, 9.0, 15.0}) {
            const FrameTimes run = Simulate({60, true, actual, phase}, 600,
                                            [](int i) { return 2.0 + 11.0 * ((i * 7) % 10) / 10; });
            const double refresh = 1000.0 / actual;
            int dropped = 0;
            for (std::size_t i = 3; i < run.presents.size(); ++i)
                dropped += run.presents[i] - run.presents[i - 1] > refresh * 1.5 ? 1 : 0;
            EXPECT_LE(dropped, 1) << actual << " Hz, phase " << phase;
        }
    }
}

} // namespace
} // namespace kluvian
