// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/FrameLook.h"
#include "textures/VisiblePart.h"

namespace kluvian {

// Draws one picture into the current framebuffer, top to bottom: the clear and the world
// frame, and while a game runs the background, the small and medium birds, the foreground,
// the big birds, the head-up display and the cross-hair (over a paused game "Pauza" instead).
// With PickMode it is the picking pass instead: only the birds, each a solid square whose red
// is its Id. parts tells where the textures are transparent, which needs no drawing. Changes
// nothing but GL state; presenting is the caller's.
void DrawFrame(const FrameLook& look, const VisibleParts& parts, bool PickMode);

} // namespace kluvian
