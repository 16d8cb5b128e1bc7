// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFrame.h"

#include "game/FrameRules.h"

namespace kluvian {

void RunFrameRules(World& world, FrameStats& stats, const FrameRuleInputs& in, bool PickMode) {
    GameState& state = world.state;
    UpdateFrameFactor(state, stats.LastFrameTick, in.clock);
    // A paused game stands still, the view and the cross-hair with it.
    if (!state.paused)
        PanStep(world, in.keys.LeftHeld(), in.keys.RightHeld(), in.windowActive);
    if (!PickMode && state.Running && !state.paused) {
        stats.shownShotScale = state.ShotScale;
        AdvanceShotAnimation(state);
    }
    if (!state.paused) // the frame-rate text stands still with the rest of the picture
        stats.EndFrame(in.clock);
}

} // namespace kluvian
