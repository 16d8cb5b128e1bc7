// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Frame.h"

#include "render/HudText.h"
#include "render/Primitives.h"
#include "render/Projection.h"
#include "render/SceneRenderer.h"

#include <GL/gl.h>

#include <string>

namespace kluvian {
namespace {

// The word centred on the view in glyphs of 60 units, in the area's help colour.
void DrawPauseText(const World& world) {
    constexpr std::int32_t kSize = 60;
    const std::string text = PauseText();
    const auto length = static_cast<std::int32_t>(text.size());
    // Glyph i spans 800 - X + i * size / 2 .. + size from the left: the text's middle at 400.
    const std::int32_t x = 400 + (length + 1) * kSize / 4 + kSize / 2;
    const RGBColor& c = world.state.HelpColor;
    DrawFontText(world.textures.FontTex, text, x, 300 - kSize / 2, kSize, c.R, c.G, c.B);
}

} // namespace

void DrawFrame(const World& world, const FrameStats& stats, const VisibleParts& parts,
               const DrawingSize& size, bool PickMode) {
    const auto& state = world.state;
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
        DrawScene(world, PickMode, {fps, score, time}, parts);
        // Paused, the system pointer shows instead of the cross-hair.
        if (!PickMode && state.paused)
            DrawPauseText(world);
        else if (!PickMode)
            DrawCrosshair(state.MouseX, state.MouseY, stats.shownShotScale,
                          world.textures.CursorTex, size);
    }
    glEnable(GL_DEPTH_TEST);
}

} // namespace kluvian
