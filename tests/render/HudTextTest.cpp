// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/HudText.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(HudText, TextsRoundTheFrameRateHalfToEven) {
    EXPECT_EQ(FpsText(0), "0 FPS");
    EXPECT_EQ(FpsText(2.5f), "2 FPS");
    EXPECT_EQ(FpsText(3.5f), "4 FPS");
    EXPECT_EQ(FpsText(59.51f), "60 FPS");
    EXPECT_EQ(FpsText(143.49f), "143 FPS");
    EXPECT_EQ(ScoreText(-10), "Wynik: -10");
    EXPECT_EQ(TimeText(90), "Czas: 90");
}

} // namespace
} // namespace kluvian
