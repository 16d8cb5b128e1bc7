// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <cstdint>
#include <span>
#include <string>

namespace kluvian {

// Decodes a true-colour TGA (image type 2 uncompressed or 10 run-length encoded, 24 or
// 32 bits per pixel) into RGB or RGBA rows in stored order, with no GL involved.
//
// nameForMessages is the name the refusal messages quote. A refusal carries the message
// and caption to show. With PictureSource::File, bytes shorter than the 18-byte header
// throw IoError(ReadBeyondEnd); with PictureSource::Resource they are refused instead.
// Throws std::bad_alloc when the picture does not fit in memory.
DecodeResult DecodeTga(std::span<const std::uint8_t> bytes, const std::string& nameForMessages,
                       PictureSource source = PictureSource::File);

// Reads and decodes the TGA file at fileName (opened for reading only). A missing file is
// refused with "File not found  - "; an existing file that cannot be opened throws IoError.
DecodeResult DecodeTga(const std::string& fileName);

// The refusal DecodeTga gives for a missing file.
DecodeResult TgaFileNotFound(const std::string& fileName);

} // namespace kluvian
