// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/PixelSwap.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PixelSwap, ExchangesRedAndBlueOfEveryPixelWhateverTheCount) {
    for (std::size_t count : {1u, 3u, 4u, 5u, 9u, 16u, 17u, 33u, 50u}) {
        Bytes pixels, expected;
        for (std::size_t i = 0; i < count * 3; i += 3) {
            pixels.insert(pixels.end(),
                          {std::uint8_t(i), std::uint8_t(i + 1), std::uint8_t(i + 2)});
            expected.insert(expected.end(),
                            {std::uint8_t(i + 2), std::uint8_t(i + 1), std::uint8_t(i)});
        }
        pixels.push_back(99); // the byte after the last pixel is not touched
        SwapRedBlue(pixels.data(), count);
        EXPECT_EQ(pixels.back(), 99);
        pixels.pop_back();
        EXPECT_EQ(pixels, expected) << count << " pixels";
    }
    std::uint8_t out[5] = {0, 0, 0, 0, 77};
    const std::uint8_t in[4] = {1, 2, 3, 4};
    CopySwappedPixel(in, out, 3);
    EXPECT_EQ(Bytes(out, out + 5), (Bytes{3, 2, 1, 0, 77}));
    CopySwappedPixel(in, out, 4);
    EXPECT_EQ(Bytes(out, out + 5), (Bytes{3, 2, 1, 4, 77}));
}

} // namespace
} // namespace kluvian
