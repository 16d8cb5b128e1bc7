// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "render/FramePacer.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace kluvian {

// Runs the frame function whenever a frame is due, at the display's refresh rate
// (FramePacer), or not at all while frames are run one at a time by hand (tests).
class FrameLoop final : public QObject {
public:
    // refreshRate: the display's, read at each frame (0 when unknown); frame: one frame.
    FrameLoop(const Clock& clock, std::function<double()> refreshRate, std::function<void()> frame);

    void SetContinuous(bool on);

private:
    void Tick();

    const Clock& clock_;
    std::function<double()> refreshRate_;
    std::function<void()> frame_;
    FramePacer pacer_;
    QTimer timer_;
    bool continuous_ = false;
};

} // namespace kluvian
