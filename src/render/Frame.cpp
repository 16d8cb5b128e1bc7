// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Frame.h"

#include "render/Projection.h"
#include "render/SceneRenderer.h"

#include <GL/gl.h>

#include <string>

namespace kluvian {

void RenderFrame(World& world, FrameStats& stats, const FrameInputs& in) {
    auto& state = world.State;
    UpdateFrameFactor(state, stats.LastFrameTick, in.clock);

    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Blending would leave destination alpha below 1, which garbles screenshots.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);

    SetWorldProjection(in.width, in.height);
    PanStep(world, in.keys.LeftHeld(), in.keys.RightHeld(), in.windowActive);
    LoadWorldModelView();

    if (state.Running) {
        const std::string fps = FpsText(stats.Fps);
        const std::string score = ScoreText(state);
        const std::string time = TimeText(state);
        DrawScene(world, state.PickMode, {fps, score, time});
        if (!state.PickMode) {
            DrawCrosshair(state, world.Textures.CursorTex, in.width, in.height, in.pixelRatio);
            AdvanceShotAnimation(state);
        }
    }
    glEnable(GL_DEPTH_TEST);

    state.PickMode = false;
    stats.EndFrame(in.clock);
}

void RunFrameWithoutDrawing(World& world, FrameStats& stats, const Clock& clock) {
    UpdateFrameFactor(world.State, stats.LastFrameTick, clock);
    world.State.PickMode = false;
    stats.EndFrame(clock);
}

} // namespace kluvian
