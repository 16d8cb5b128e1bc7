// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace kluvian {

// Exchanges bytes 0 and 2 of each of pixelCount 3-byte pixels, in place.
void SwapRedBlue(std::uint8_t* pixels, std::size_t pixelCount);

// Exchanges bytes 0 and 2 of each of pixelCount 4-byte pixels, in place.
inline void SwapRedBlue32(std::uint8_t* pixels, std::size_t pixelCount) {
    for (std::size_t i = 0; i < pixelCount; ++i, pixels += 4) {
        std::uint32_t w;
        std::memcpy(&w, pixels, 4);
        w = (w & 0xFF00FF00u) | (w >> 16 & 0xFFu) | (w & 0xFFu) << 16;
        std::memcpy(pixels, &w, 4);
    }
}

// Copies one pixel of b bytes (3 or 4) from blue-green-red(-alpha) order at src to
// red-green-blue(-alpha) order at dst; exactly b bytes are written.
inline void CopySwappedPixel(const std::uint8_t* src, std::uint8_t* dst, int b) {
    dst[0] = src[2];
    dst[1] = src[1];
    dst[2] = src[0];
    if (b == 4)
        dst[3] = src[3];
}

} // namespace kluvian
