// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace kluvian {

// Holds a periodic timer still and lets it go on with what was left of its period, so a
// pause neither gives nor takes time: pausing twice a second does not stop the clock.
class TimerHold final : public QObject {
public:
    // tick is what the timer's own tick runs; it may stop the timer.
    TimerHold(QTimer& timer, std::function<void()> tick);

    // Stops the timer, keeping what was left of its period; nothing when it is not running.
    void Hold();
    // Ticks once what was left has passed and lets the timer run on from there.
    void Release();
    // Drops a hold: whoever starts the timer again starts it afresh.
    void Forget();

private:
    QTimer& timer_;
    std::function<void()> tick_;
    QTimer rest_;
    int left_ = -1; // milliseconds left of the period when held; -1 when nothing is held
};

} // namespace kluvian
