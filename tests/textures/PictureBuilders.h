// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kluvian::test {

// Small picture files built in memory, for the reader tests and the fuzzers' seed corpus.

// An 18-byte TGA header followed by an image ID field of idLength bytes and the data.
std::string Tga(int imageType, int width, int height, int depth, const std::string& data,
                int descriptor = 0, int idLength = 0, int colourMapType = 0);

// A BMP: file header, 40-byte info header, clrUsed 4-byte palette entries, the pixel bytes.
std::string Bmp(std::int32_t width, std::int32_t height, const std::string& pixels,
                std::uint32_t sizeImage = 0, std::uint32_t clrUsed = 0, int bitCount = 24);

// A baseline JPEG of top-down rows: RGB triples, or one byte per pixel when grey.
std::string Jpeg(int width, int height, const std::string& pixels, bool grey = false,
                 int quality = 100);

// A JPEG with a valid header whose scan data is interrupted by a second frame header, a
// fatal error only found while decompressing.
std::string DamagedJpeg();

// Bytes of any of the above as the readers take them.
inline std::span<const std::uint8_t> BytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// width x height copies of one pixel.
inline std::string Repeat(const std::string& pixel, int count) {
    std::string s;
    for (int i = 0; i < count; ++i)
        s += pixel;
    return s;
}

} // namespace kluvian::test
