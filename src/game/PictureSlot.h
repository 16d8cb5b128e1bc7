// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLayout.h"

#include <cstddef>

namespace kluvian {

// How the rules name a picture: the place among the drawing's textures it is loaded into.
// What a texture is stays with the drawing (render/TextureSlots.h).
struct PictureSlot {
    enum Kind { Font, Cursor, BackLayer, FrontLayer, Ammo, Falling, BirdFrame };
    Kind kind = Font;
    std::size_t group = 0; // Falling, BirdFrame: the birds' group
    std::size_t index = 0; // BackLayer, FrontLayer: the tile; BirdFrame: the frame
};

} // namespace kluvian
