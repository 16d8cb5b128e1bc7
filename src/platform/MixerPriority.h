// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <atomic>

namespace kluvian {

// The mixer's thread under a realtime policy. SDL gives it the highest nice level only, and
// with the drawing's threads busy on every core that thread still now and then misses its
// turn by more than its 11.6 ms buffer, and the sound breaks off. Realtime, it runs as soon as
// the sound server asks for more.
class MixerPriority {
public:
    // After the mixer opens: its thread makes itself known with the next buffer it mixes.
    void Watch();
    // Raises the thread once it is known, once for each opening: itself where the process may
    // (root, or an rtprio limit), else through RealtimeKit as desktop sessions allow. Where
    // neither does, the thread keeps SDL's nice level.
    void RaiseWhenKnown();
    // The policy's result for the thread, once tried.
    bool Raised() const { return raised_; }

private:
    static void Mixed(int channel, void* stream, int length, void* self);
    std::atomic<pid_t> thread_{0};
    bool tried_ = false;
    bool raised_ = false;
};

} // namespace kluvian
