// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"
#include "textures/EmbeddedResources.h"
#include "textures/Picture.h"
#include "textures/VisiblePart.h"

#include <GL/gl.h>

#include <string>

namespace kluvian {

// Turns picture files into OpenGL textures. Every refusal a reader detects is shown at once
// through the dialogs (no icon) and leaves the caller's slot unchanged; a slot is written
// only with the name of a texture just created, and no texture is ever deleted here.
// Must be called with a current GL context.
class TextureLoader {
public:
    explicit TextureLoader(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Loads fileName, as the caller built it, into slot with the reader its last four
    // characters select (".BMP", ".JPG", ".TGA" in any case); other names do nothing.
    // Throws what a reader throws: IoError for a TGA that exists but cannot be opened or is
    // shorter than its header, std::runtime_error for a JPEG damaged after its header,
    // std::bad_alloc when a picture does not fit in memory.
    void LoadTexture(const std::string& fileName, GLuint& slot);
    // As above; with fromResource the picture is looked up among the embedded resources.
    void LoadTexture(const std::string& fileName, GLuint& slot, bool fromResource);

    // The visible part of every texture loaded, by name; a deleted texture is forgotten.
    const VisibleParts& Parts() const { return parts_; }
    void Forget(GLuint name) { parts_.Forget(name); }

    // Shows what a missing TGA file of that name shows, without looking for the file.
    void ShowFileNotFound(const std::string& fileName);

    // Each reader returns true only when it wrote the slot.
    bool BmpToTexture(const std::string& fileName, GLuint& slot, bool fromResource);
    bool JpgToTexture(const std::string& fileName, GLuint& slot, bool fromResource);
    bool TgaToTexture(const std::string& fileName, GLuint& slot, bool fromResource);

private:
    bool UploadOrShow(const DecodeResult& result, GLuint& slot);

    Dialogs& dialogs_;
    EmbeddedResources resources_;
    VisibleParts parts_;
};

} // namespace kluvian
