// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Frame.h"

#include "render/HudText.h"
#include "render/Projection.h"
#include "render/SceneRenderer.h"

#include <GL/gl.h>

#include <string>

namespace kluvian {

void DrawFrame(const World& world, const FrameStats& stats, const DrawingSize& size,
               bool PickMode) {
    const auto& state = world.State;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Blending would leave destination alpha below 1, which garbles screenshots.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);

    SetWorldProjection(size.width, size.height);
    LoadWorldModelView();
    if (state.Running) {
        const std::string fps = FpsText(stats.Fps);
        const std::string score = ScoreText(state);
        const std::string time = TimeText(state);
        DrawScene(world, PickMode, {fps, score, time});
        if (!PickMode)
            DrawCrosshair(state.MouseX, state.MouseY, stats.ShownShotScale,
                          world.Textures.CursorTex, size);
    }
    glEnable(GL_DEPTH_TEST);
}

} // namespace kluvian
