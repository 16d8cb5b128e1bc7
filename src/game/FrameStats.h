// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>

namespace kluvian {

// What frames keep between one another besides the world: the timing, the frame-rate count
// and what the last picture showed of the cross-hair.
struct FrameStats {
    std::uint32_t LastFrameTick = 0;
    std::int32_t FrameCount = 0;
    std::uint32_t LastFpsTick = 0;
    float Fps = 0;
    // The cross-hair's scale in the last frame's picture. A frame's animation step moves
    // ShotScale on for the next frame, after the frame has shown the scale it found.
    float shownShotScale = 1.0f;

    // Called when the hunt begins, and when a paused game goes on: the next rate covers the
    // time from then on.
    void Start(const Clock& clock) {
        LastFpsTick = clock.TickCount();
        FrameCount = 0;
    }
    // Called at the end of every frame, picking passes included: counts the frame and, at
    // least 500 ms after the last update, recomputes Fps as frames per second.
    void EndFrame(const Clock& clock);
};

} // namespace kluvian
