// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"
#include "render/FrameStats.h"

namespace kluvian {

// What a frame's rules read besides the world.
struct FrameRuleInputs {
    const Clock& clock;
    const KeyState& keys;
    bool windowActive = false;
};

// The rules of one frame, in their order: the frame's timing (FrameFactor), the panning, the
// cross-hair's animation step (not in a picking pass, which shows no cross-hair) and the
// frame count. A paused game neither pans, animates nor counts its frames. The frame's picture is
// then drawn from the world and stats as they are left; stats.shownShotScale keeps the scale the
// picture shows, before the animation step.
void RunFrameRules(World& world, FrameStats& stats, const FrameRuleInputs& in, bool PickMode);

} // namespace kluvian
