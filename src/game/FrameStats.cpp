// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/FrameStats.h"

namespace kluvian {
namespace {

constexpr std::uint32_t kFpsInterval = 500;

} // namespace

void FrameStats::EndFrame(const Clock& clock) {
    ++FrameCount;
    if (clock.TickCount() - LastFpsTick < kFpsInterval)
        return;
    const std::uint32_t elapsed = clock.TickCount() - LastFpsTick;
    Fps = static_cast<float>(double(FrameCount) / double(elapsed) * 1000.0);
    FrameCount = 0;
    LastFpsTick = clock.TickCount();
}

} // namespace kluvian
