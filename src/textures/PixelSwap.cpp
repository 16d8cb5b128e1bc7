// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/PixelSwap.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kluvian {
namespace {

#if defined(__SSE2__)
// Byte masks for the three 16-byte words of a 48-byte block (16 pixels): which bytes keep
// their place, which take the byte two before, which the byte two after.
struct BlockMasks {
    std::array<std::array<std::uint8_t, 16>, 3> keep{}, fromBefore{}, fromAfter{};
};

constexpr BlockMasks MakeMasks() {
    BlockMasks m;
    for (int j = 0; j < 48; ++j) {
        auto& mask = j % 3 == 0 ? m.fromAfter : j % 3 == 2 ? m.fromBefore : m.keep;
        mask[std::size_t(j / 16)][std::size_t(j % 16)] = 0xFF;
    }
    return m;
}

constexpr BlockMasks kMasks = MakeMasks();

__m128i Load(const std::array<std::uint8_t, 16>& a) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(a.data()));
}

// 16 pixels with SSE2 only: each output word mixes its input word with copies shifted by
// two bytes, carrying across word boundaries, so no load overlaps an earlier store.
std::size_t SwapBlocks(std::uint8_t* pixels, std::size_t pixelCount) {
    __m128i keep[3], before[3], after[3];
    for (std::size_t k = 0; k < 3; ++k) {
        keep[k] = Load(kMasks.keep[k]);
        before[k] = Load(kMasks.fromBefore[k]);
        after[k] = Load(kMasks.fromAfter[k]);
    }
    std::size_t done = 0;
    for (; done + 16 <= pixelCount; done += 16, pixels += 48) {
        auto* words = reinterpret_cast<__m128i*>(pixels);
        const __m128i v0 = _mm_loadu_si128(words);
        const __m128i v1 = _mm_loadu_si128(words + 1);
        const __m128i v2 = _mm_loadu_si128(words + 2);
        const __m128i b0 = _mm_slli_si128(v0, 2);
        const __m128i b1 = _mm_or_si128(_mm_slli_si128(v1, 2), _mm_srli_si128(v0, 14));
        const __m128i b2 = _mm_or_si128(_mm_slli_si128(v2, 2), _mm_srli_si128(v1, 14));
        const __m128i a0 = _mm_or_si128(_mm_srli_si128(v0, 2), _mm_slli_si128(v1, 14));
        const __m128i a1 = _mm_or_si128(_mm_srli_si128(v1, 2), _mm_slli_si128(v2, 14));
        const __m128i a2 = _mm_srli_si128(v2, 2);
        const auto mix = [&](int k, __m128i v, __m128i b, __m128i a) {
            return _mm_or_si128(
                _mm_and_si128(v, keep[k]),
                _mm_or_si128(_mm_and_si128(b, before[k]), _mm_and_si128(a, after[k])));
        };
        _mm_storeu_si128(words, mix(0, v0, b0, a0));
        _mm_storeu_si128(words + 1, mix(1, v1, b1, a1));
        _mm_storeu_si128(words + 2, mix(2, v2, b2, a2));
    }
    return done;
}
#else
std::size_t swapBlocks(std::uint8_t*, std::size_t) {
    return 0;
}
#endif

} // namespace

void SwapRedBlue(std::uint8_t* pixels, std::size_t pixelCount) {
    const std::size_t done = SwapBlocks(pixels, pixelCount);
    pixels += done * 3;
    for (std::size_t i = done; i < pixelCount; ++i, pixels += 3)
        std::swap(pixels[0], pixels[2]);
}

} // namespace kluvian
