// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/HuntPorts.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace kluvian {

// A periodic timer that can be held still and go on with what was left of its period, so a
// pause neither gives nor takes time: pausing twice a second does not stop the clock.
class TimerHold final : public QObject {
public:
    // tick is what the timer's own tick runs; it may stop the timer.
    TimerHold(QTimer& timer, std::function<void()> tick);

    // Runs afresh, a whole period to the first tick: a hold or a rest still to come goes.
    void Start();
    // Stops, holding nothing.
    void Stop();
    // Stops, keeping what was left of the period; nothing when it is not running.
    void Hold();
    // Ticks once what was left has passed and lets the timer run on from there.
    void Release();
    // Ticking, or about to tick at the end of a rest.
    bool Running() const { return timer_.isActive() || rest_.isActive(); }

private:
    QTimer& timer_;
    std::function<void()> tick_;
    QTimer rest_;
    int left_ = -1; // milliseconds left of the period when held; -1 when nothing is held
};

// The hunt's two timers on the main window's QTimers.
class HeldTimers final : public GameTimers {
public:
    HeldTimers(TimerHold& flight, TimerHold& countDown) : flight_(flight), countDown_(countDown) {}
    void Start(GameTimer timer) override { Of(timer).Start(); }
    void Stop(GameTimer timer) override { Of(timer).Stop(); }
    void Hold(GameTimer timer) override { Of(timer).Hold(); }
    void Release(GameTimer timer) override { Of(timer).Release(); }

private:
    TimerHold& Of(GameTimer timer) { return timer == GameTimer::Flight ? flight_ : countDown_; }
    TimerHold& flight_;
    TimerHold& countDown_;
};

} // namespace kluvian
