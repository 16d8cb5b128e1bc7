// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFrame.h"

#include "game/FrameRules.h"

namespace kluvian {

void RunFrameRules(World& world, FrameStats& stats, const FrameRuleInputs& in, bool PickMode) {
    GameState& state = world.State;
    UpdateFrameFactor(state, stats.LastFrameTick, in.clock);
    // A paused game stands still, the view and the cross-hair with it.
    if (!state.Paused)
        PanStep(world, in.keys.LeftHeld(), in.keys.RightHeld(), in.windowActive);
    if (!PickMode && state.Running && !state.Paused) {
        stats.ShownShotScale = state.ShotScale;
        AdvanceShotAnimation(state);
    }
    if (!state.Paused) // the frame-rate text stands still with the rest of the picture
        stats.EndFrame(in.clock);
}

} // namespace kluvian
