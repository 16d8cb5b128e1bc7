// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kluvian {

// Decides when the next frame starts, so frames follow one another at the display's refresh
// rate whether or not the buffer swap waits for the display. Speeds are per frame, so this is
// what keeps the game's speed the same on every display of one refresh rate, however fast the
// machine draws. Plain arithmetic on times in milliseconds from any steady clock; the caller
// runs the timer.
//
// Deadlines advance by exactly one period, so the average rate is the refresh rate even when
// the timer fires a little early or late. A frame that starts more than half a period late
// (a slow frame, a swap that waited for the display, a modal dialog) starts a new chain of
// deadlines from itself: the pacer never hurries frames to catch up, and it never waits on
// top of a swap that already waited past the deadline.
class FramePacer {
public:
    static constexpr double kDefaultRefreshHz = 60;

    // hz <= 0 (not reported) means the usual 60 Hz.
    void SetRefreshRate(double hz);

    // A frame starts being drawn now.
    void FrameStarted(double nowMs);
    // Whole milliseconds to wait from now before the next frame starts; 0 when it is due.
    // Rounded down: a frame that starts a fraction early leaves the deadlines as they are.
    int DelayMs(double nowMs) const;

private:
    double period_ = 1000.0 / kDefaultRefreshHz;
    double next_ = 0; // deadline of the next frame
    bool started_ = false;
};

} // namespace kluvian
