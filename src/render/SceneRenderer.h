// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "render/Frame.h"
#include "textures/VisiblePart.h"

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
// component is its Id. parts tells where the textures are transparent, which is not drawn.
void DrawScene(const World& world, bool pickMode, const HudTexts& hud, const VisibleParts& parts);

// Draws the cross-hair centred on (x, y), the mouse position in logical pixels, 64 logical
// pixels across, scaled by shotScale and turned by (shotScale - 1) * 90 degrees. Sets up the
// pixel frame itself; leaves the model-view pushed state balanced.
void DrawCrosshair(float x, float y, float shotScale, GLuint CursorTex, const DrawingSize& size);

} // namespace kluvian
