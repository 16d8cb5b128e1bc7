// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/TextureSlots.h"

#include <utility>

namespace kluvian {

GLuint& TextureSlots::operator[](const PictureSlot& slot) {
    switch (slot.kind) {
    case PictureSlot::Font:
        return FontTex;
    case PictureSlot::Cursor:
        return CursorTex;
    case PictureSlot::BackLayer:
        return BackLayerTex.at(slot.index);
    case PictureSlot::FrontLayer:
        return FrontLayerTex.at(slot.index);
    case PictureSlot::Ammo:
        return AmmoTex;
    case PictureSlot::Falling:
        return FallingTex.at(slot.group);
    case PictureSlot::BirdFrame:
        break;
    }
    return BirdFrameTex.at(slot.group).at(slot.index);
}

std::vector<GLuint> TextureSlots::Names() const {
    std::vector<GLuint> names{FontTex, CursorTex, AmmoTex};
    names.insert(names.end(), BackLayerTex.begin(), BackLayerTex.end());
    names.insert(names.end(), FrontLayerTex.begin(), FrontLayerTex.end());
    names.insert(names.end(), FallingTex.begin(), FallingTex.end());
    for (const auto& frames : BirdFrameTex)
        names.insert(names.end(), frames.begin(), frames.end());
    return names;
}

void LoadIntoSlot(TextureSlots& textures, const PictureSlot& slot,
                  const std::function<GLuint()>& load, const std::function<void(GLuint)>& release) {
    const GLuint fresh = load();
    if (fresh == 0)
        return;
    const GLuint old = std::exchange(textures[slot], fresh);
    if (old != 0 && old != fresh)
        release(old);
}

} // namespace kluvian
