// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFrame.h"

#include "game/FrameRules.h"

namespace kluvian {

void RunFrameRules(World& world, FrameStats& stats, const FrameRuleInputs& in, bool PickMode) {
    GameState& state = world.State;
    UpdateFrameFactor(state, stats.LastFrameTick, in.clock);
    PanStep(world, in.keys.LeftHeld(), in.keys.RightHeld(), in.windowActive);
    if (!PickMode && state.Running) {
        stats.ShownShotScale = state.ShotScale;
        AdvanceShotAnimation(state);
    }
    stats.EndFrame(in.clock);
}

} // namespace kluvian
