// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "game/PictureSlot.h"

#include <GL/gl.h>

#include <array>
#include <functional>
#include <vector>

namespace kluvian {

// The drawing's textures, one OpenGL name per picture the rules name; 0 means none.
struct TextureSlots {
    GLuint FontTex = 0;
    GLuint CursorTex = 0;
    std::array<GLuint, kBackgroundTiles> BackLayerTex{};
    std::array<GLuint, kForegroundTiles> FrontLayerTex{};
    GLuint AmmoTex = 0;
    std::array<GLuint, kGroups> FallingTex{};
    std::array<std::array<GLuint, kFlightFrames>, kGroups> BirdFrameTex{};

    GLuint& operator[](const PictureSlot& slot);
    // Every name held, 0 included: the font, the cross-hair, then the area's pictures.
    std::vector<GLuint> Names() const;
    bool operator==(const TextureSlots&) const = default;
};

// Puts a picture into its slot: load makes the texture (0 when it could not, and the slot
// keeps what it had), then the slot takes it in one move and what it named before goes to
// release. Events that run inside load (the loader's message box) may run another load into
// the same slot; this way nothing leaks and nothing is released twice.
void LoadIntoSlot(TextureSlots& textures, const PictureSlot& slot,
                  const std::function<GLuint()>& load, const std::function<void(GLuint)>& release);

} // namespace kluvian
