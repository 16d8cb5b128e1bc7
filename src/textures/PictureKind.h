// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <optional>
#include <string>

namespace kluvian {

enum class PictureKind { None, Bmp, Jpg, Tga };

// The reader for a file name, chosen by its last four characters in any ASCII letter case:
// ".BMP", ".JPG" or ".TGA". Anything else, including a name of fewer than four characters,
// is PictureKind::None.
PictureKind KindOfName(const std::string& fileName);

// Decodes the file with the reader its name selects, exactly as the game would before
// uploading; nothing for a name no reader takes. Throws what the reader throws.
std::optional<DecodeResult> DecodePictureFile(const std::string& fileName);

} // namespace kluvian
