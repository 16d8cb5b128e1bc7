// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MixerPriority.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <sched.h>
#include <unistd.h>

namespace kluvian {
namespace {

// Low among realtime threads, as sound servers' own are: above every ordinary thread.
constexpr int kRealtimePriority = 5;

bool RaiseToRealtime(pid_t thread) {
    sched_param param{};
    param.sched_priority = kRealtimePriority;
    // Children of the thread, should it have any, start as ordinary threads again.
    if (sched_setscheduler(thread, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0)
        return true;
    return SDL_LinuxSetThreadPriorityAndPolicy(thread, SDL_THREAD_PRIORITY_TIME_CRITICAL,
                                               SCHED_RR) == 0;
}

} // namespace

void MixerPriority::Mixed(int, void*, int, void* self) {
    auto& thread = static_cast<MixerPriority*>(self)->thread_;
    if (thread.load(std::memory_order_relaxed) == 0)
        thread.store(gettid(), std::memory_order_relaxed);
}

void MixerPriority::Watch() {
    thread_ = 0;
    tried_ = false;
    raised_ = false;
    // An effect on the mix as a whole, which leaves the samples as they are; unlike the
    // mixer's one post-mix hook, it leaves that hook to others.
    Mix_RegisterEffect(MIX_CHANNEL_POST, &MixerPriority::Mixed, nullptr, this);
}

void MixerPriority::RaiseWhenKnown() {
    const pid_t thread = thread_.load(std::memory_order_relaxed);
    if (tried_ || thread == 0)
        return;
    tried_ = true;
    Mix_UnregisterEffect(MIX_CHANNEL_POST, &MixerPriority::Mixed);
    raised_ = RaiseToRealtime(thread);
}

} // namespace kluvian
