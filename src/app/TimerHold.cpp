// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TimerHold.h"

#include <algorithm>

namespace kluvian {

TimerHold::TimerHold(QTimer& timer, std::function<void()> tick)
    : timer_(timer), tick_(std::move(tick)) {
    rest_.setSingleShot(true);
    rest_.setTimerType(Qt::PreciseTimer);
    connect(&rest_, &QTimer::timeout, this, [this] {
        timer_.start();
        tick_();
    });
}

void TimerHold::Start() {
    Stop();
    timer_.start();
}

void TimerHold::Stop() {
    rest_.stop();
    timer_.stop();
    left_ = -1;
}

void TimerHold::Hold() {
    if (rest_.isActive()) // held again before the rest of the period had passed
        left_ = std::max(0, rest_.remainingTime());
    else if (timer_.isActive())
        left_ = std::max(0, timer_.remainingTime());
    rest_.stop();
    timer_.stop();
}

void TimerHold::Release() {
    if (left_ < 0)
        return;
    rest_.start(left_);
    left_ = -1;
}

} // namespace kluvian
