// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <string_view>

namespace kluvian {

// Texts of the head-up display, already in code page 1250.
struct HudTexts {
    std::string_view fps;   // e.g. "30 FPS"
    std::string_view score; // "Wynik: " + Score
    std::string_view time;  // "Czas: " + TimeLeft
};

// Draws the running game in the world frame (the caller has set the projection and the
// model-view): background tiles, small and medium birds, foreground tiles, big birds and
// the head-up display. In a picking pass only the birds, each a solid square whose red
// component is its Id.
void DrawScene(const World& world, bool pickMode, const HudTexts& hud);

// Draws the cross-hair centred on the mouse in the pixel frame, 64 logical pixels across,
// scaled by ShotScale and turned by (ShotScale - 1) * 90 degrees. Sets up the pixel frame
// itself (sizes as SetPixelProjection takes them); leaves the model-view pushed state
// balanced.
void DrawCrosshair(const GameState& state, GLuint CursorTex, int deviceWidth, int deviceHeight,
                   double pixelRatio);

} // namespace kluvian
