// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/VisiblePart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

TEST(MeasureVisiblePieces, CoverEveryTexelNearOneThatShowsOnceAndLeaveOutTheSkyBetween) {
    // Two trees on a 64 x 64 layer, far apart, and sky between and above them.
    Picture layer{64, 64, 4, std::vector<std::uint8_t>(64 * 64 * 4, 0)};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 64; ++x)
            if (std::abs(x - 6) < 5 - y / 8 || std::abs(x - 50) < 8 - y / 5)
                layer.pixels[std::size_t((y * 64 + x) * 4 + 3)] = 200;
    const std::vector<VisiblePart> pieces = MeasureVisiblePieces(layer);
    const auto covering = [&](int x, int y) {
        const float s = (float(x) + 0.5f) / 64, t = (float(y) + 0.5f) / 64;
        return std::count_if(pieces.begin(), pieces.end(), [&](const VisiblePart& p) {
            return p.s0 <= s && s < p.s1 && p.t0 <= t && t < p.t1;
        });
    };
    int covered = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            bool near = false;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    near = near || (x + dx >= 0 && x + dx < 64 && y + dy >= 0 && y + dy < 64 &&
                                    layer.pixels[std::size_t(((y + dy) * 64 + x + dx) * 4 + 3)]);
            const auto times = covering(x, y);
            EXPECT_LE(times, 1) << x << "," << y;
            EXPECT_TRUE(!near || times == 1) << x << "," << y;
            covered += int(times);
        }
    EXPECT_EQ(covering(28, 5), 0); // the sky between the trees
    EXPECT_LT(covered, 64 * 32); // less than the rows that show something

    EXPECT_TRUE(MeasureVisiblePieces({8, 8, 4, std::vector<std::uint8_t>(8 * 8 * 4, 0)}).empty());
    EXPECT_EQ(MeasureVisiblePieces({8, 8, 3, std::vector<std::uint8_t>(8 * 8 * 3, 0)}),
              std::vector<VisiblePart>{VisiblePart{}});
}

} // namespace
} // namespace kluvian
