// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrameLoop.h"

namespace kluvian {

FrameLoop::FrameLoop(const Clock& clock, std::function<double()> refreshRate,
                     std::function<void()> frame)
    : clock_(clock), refreshRate_(std::move(refreshRate)), frame_(std::move(frame)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameLoop::Tick);
}

void FrameLoop::SetContinuous(bool on) {
    continuous_ = on;
    if (on)
        timer_.start(pacer_.DelayMs(clock_.SteadyMilliseconds()));
    else
        timer_.stop();
}

void FrameLoop::Tick() {
    // The screen may have changed with the window; the rate is read where it is cheap.
    pacer_.SetRefreshRate(refreshRate_());
    pacer_.FrameStarted(clock_.SteadyMilliseconds());
    frame_();
    // Started now, the timer expires at the deadline whatever presenting costs: if the swap
    // waits past it, the next frame follows at once.
    if (continuous_)
        timer_.start(pacer_.DelayMs(clock_.SteadyMilliseconds()));
}

} // namespace kluvian
