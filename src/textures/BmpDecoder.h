// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <cstdint>
#include <span>
#include <string>

namespace kluvian {

// Decodes an uncompressed 24-bit BMP: the 14-byte file header, the 40-byte info header, a
// colour table of biClrUsed 4-byte entries (skipped), then the pixels as blue-green-red
// triples, rows in file order. Gives an RGB picture. Width and height must be positive and
// the pixel data must hold width x height x 3 bytes; anything else is refused with the
// read-error message of the source. nameForMessages is quoted by the resource messages.
// Throws std::bad_alloc when the picture does not fit in memory.
DecodeResult DecodeBmp(std::span<const std::uint8_t> bytes, const std::string& nameForMessages,
                       PictureSource source = PictureSource::File);

// Reads and decodes the BMP file at fileName; one that cannot be opened is refused with
// "Error opening ".
DecodeResult DecodeBmp(const std::string& fileName);

} // namespace kluvian
