// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FramePacer.h"

#include <algorithm>
#include <cmath>

namespace kluvian {

void FramePacer::SetRefreshRate(double hz) {
    period_ = 1000.0 / (hz > 0 ? hz : kDefaultRefreshHz);
}

void FramePacer::FrameStarted(double nowMs) {
    // next_ is this frame's own deadline; a frame far behind it begins a chain of its own.
    if (!started_ || nowMs > next_ + period_ / 2)
        next_ = nowMs;
    next_ = std::max(next_ + period_, nowMs + period_ / 2);
    started_ = true;
}

int FramePacer::DelayMs(double nowMs) const {
    if (!started_)
        return 0;
    return int(std::floor(std::max(0.0, next_ - nowMs)));
}

} // namespace kluvian
