// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <GL/gl.h>

#include <unordered_map>
#include <vector>

namespace kluvian {

// The part of a picture that is not fully transparent, in texture coordinates (s across from
// the first column, t up from the first row), widened by two texels so that linear filtering
// outside it reads only transparent texels: drawing a quad over that part alone gives the
// same picture as drawing the whole quad, blended, and spares the rasteriser the rest.
struct VisiblePart {
    float s0 = 0;
    float s1 = 1;
    float t0 = 0;
    float t1 = 1;
    bool operator==(const VisiblePart&) const = default;
};

// The whole picture unless it has alpha and sides that are powers of two (the loader scales
// other sides); for a picture with nothing visible, an empty part (t0 == t1).
VisiblePart MeasureVisiblePart(const Picture& picture);

// The same in pieces: rectangles of whole blocks of texels, side by side, covering every
// block that has a texel showing within two texels of it and leaving out the others. A
// layer's sky between its trees is left out too, not only the rows above them. Nothing
// visible, no pieces; a picture MeasureVisiblePart cannot tell about, one whole piece.
std::vector<VisiblePart> MeasureVisiblePieces(const Picture& picture);

// The visible parts of the textures the loader made, by texture name.
class VisibleParts {
public:
    // The whole texture for a name never measured.
    VisiblePart Of(GLuint name) const {
        const auto found = parts_.find(name);
        return found == parts_.end() ? VisiblePart{} : found->second.bounds;
    }
    const std::vector<VisiblePart>& PiecesOf(GLuint name) const {
        static const std::vector<VisiblePart> whole{VisiblePart{}};
        const auto found = parts_.find(name);
        return found == parts_.end() ? whole : found->second.pieces;
    }
    void Set(GLuint name, const VisiblePart& part, std::vector<VisiblePart> pieces) {
        parts_[name] = {part, std::move(pieces)};
    }
    void Set(GLuint name, const Picture& picture) {
        Set(name, MeasureVisiblePart(picture), MeasureVisiblePieces(picture));
    }
    // A deleted texture's name may come back for another picture.
    void Forget(GLuint name) { parts_.erase(name); }

private:
    struct Measured {
        VisiblePart bounds;
        std::vector<VisiblePart> pieces;
    };
    std::unordered_map<GLuint, Measured> parts_;
};

} // namespace kluvian
