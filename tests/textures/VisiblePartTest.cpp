// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/VisiblePart.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(MeasureVisiblePart, KeepsTwoTexelsAroundWhatShowsAndTheWholeOfWhatItCannotTell) {
    Picture sprite{16, 8, 4, std::vector<std::uint8_t>(16 * 8 * 4, 0)};
    sprite.pixels[(3 * 16 + 5) * 4 + 3] = 1; // one faint texel at column 5, row 3
    sprite.pixels[(4 * 16 + 9) * 4 + 3] = 255;
    EXPECT_EQ(MeasureVisiblePart(sprite), (VisiblePart{3 / 16.f, 12 / 16.f, 1 / 8.f, 7 / 8.f}));

    sprite.pixels[(7 * 16 + 15) * 4 + 3] = 9; // the corner: nothing to leave out there
    EXPECT_EQ(MeasureVisiblePart(sprite), (VisiblePart{3 / 16.f, 1, 1 / 8.f, 1}));

    const Picture clear{8, 8, 4, std::vector<std::uint8_t>(8 * 8 * 4, 0)};
    EXPECT_EQ(MeasureVisiblePart(clear).t0, MeasureVisiblePart(clear).t1);
    // No alpha, or sides the loader scales: the whole picture.
    EXPECT_EQ(MeasureVisiblePart({8, 8, 3, std::vector<std::uint8_t>(8 * 8 * 3, 0)}),
              VisiblePart{});
    EXPECT_EQ(MeasureVisiblePart({12, 8, 4, std::vector<std::uint8_t>(12 * 8 * 4, 0)}),
              VisiblePart{});
}

} // namespace
} // namespace kluvian
