// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <cstdint>
#include <span>
#include <string>

namespace kluvian {

// Decodes a JPEG with libjpeg at full size into an RGBA picture: 8-bit colour (greyscale
// expanded to equal red, green and blue), alpha 255, the bottom row first.
//
// Bytes without a valid JPEG header, or with a side of zero or above kMaxPictureSide, are
// refused with the "Couldn't load JPG" message of the source. Damaged data after a valid
// header throws std::runtime_error with libjpeg's message. Throws std::bad_alloc when the
// picture does not fit in memory.
DecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes, const std::string& nameForMessages,
                        PictureSource source = PictureSource::File);

// Reads and decodes the JPEG file at fileName; one that cannot be read is refused.
DecodeResult DecodeJpeg(const std::string& fileName);

} // namespace kluvian
