// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Tga.h"
#include "areagen/Wav.h"

#include <gtest/gtest.h>

namespace kluvian::areagen {
namespace {

// A picture whose every pixel differs, with long runs of one colour in its lower rows.
QImage Sample(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           y >= h / 2 ? qRgba(9, 8, 7, 200) : qRgba(x * 7, y * 5, x + y, 255 - x));
    return image;
}

TEST(TgaWriter, StoresBottomUpUnlessAskedForTopDown) {
    const QImage picture = Sample(5, 4);
    const auto bottomUp = EncodeTga(picture, {TgaKind::Rgba32, false, false});
    const auto topDown = EncodeTga(picture, {TgaKind::Rgba32, true, false});
    EXPECT_EQ(bottomUp[17], 0x08);
    EXPECT_EQ(topDown[17], 0x28);
    const QImage rowsUp = DecodeTgaRows(bottomUp);
    const QImage rowsDown = DecodeTgaRows(topDown);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(rowsUp.pixel(x, y), picture.pixel(x, 3 - y));
            EXPECT_EQ(rowsDown.pixel(x, y), picture.pixel(x, y));
        }
}

TEST(TgaWriter, MirroredPicturesStoreEachRowRightToLeft) {
    const QImage picture = Sample(6, 2);
    const QImage rows = DecodeTgaRows(EncodeTga(picture, {TgaKind::Rgb24, true, true}));
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(rows.pixel(x, 0), picture.pixel(5 - x, 0) | 0xFF000000u);
}

TEST(TgaWriter, RunLengthPacketsHoldAtMost128PixelsAndMayCrossRows) {
    QImage picture(200, 3, QImage::Format_ARGB32);
    picture.fill(qRgba(1, 2, 3, 4)); // 600 equal pixels: runs across both row ends
    for (int x = 0; x < 150; x += 2)
        picture.setPixel(x, 1, qRgba(x, 0, 0, 255)); // a raw stretch longer than one packet
    const auto bytes = EncodeTga(picture, {TgaKind::Rgba32Rle, false, false});
    EXPECT_EQ(bytes[2], 10);
    EXPECT_EQ(bytes[16], 32);
    const QImage rows = DecodeTgaRows(bytes);
    ASSERT_FALSE(rows.isNull());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(rows.pixel(x, y), picture.pixel(x, 2 - y)) << x << "," << y;
    EXPECT_LT(bytes.size(), 600u * 4 / 2) << "runs are packed";
}

TEST(TgaWriter, UncompressedFilesHoldExactlyTheirPixels) {
    const auto rgb = EncodeTga(Sample(8, 8), {TgaKind::Rgb24});
    EXPECT_EQ(rgb.size(), 18u + 8 * 8 * 3);
    EXPECT_EQ(rgb[2], 2);
    EXPECT_EQ(rgb[16], 24);
    EXPECT_EQ(rgb[12] | rgb[13] << 8, 8);
    // Stored blue, green, red.
    const QRgb first = Sample(8, 8).pixel(0, 7);
    EXPECT_EQ(rgb[18], qBlue(first));
    EXPECT_EQ(rgb[20], qRed(first));
}

TEST(WavWriter, WritesSixteenBitMonoPcmAndClampsPeaks) {
    const auto wav = EncodeWav({0.0f, 1.0f, -2.0f, 0.5f}, kSampleRate);
    ASSERT_EQ(wav.size(), 44u + 8);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(wav[22], 1);  // mono
    EXPECT_EQ(wav[34], 16); // bits
    auto sample = [&](int i) { return std::int16_t(wav[44 + 2 * i] | wav[45 + 2 * i] << 8); };
    EXPECT_EQ(sample(1), 32767);
    EXPECT_EQ(sample(2), -32767);
    EXPECT_EQ(sample(3), 16384);
}

} // namespace
} // namespace kluvian::areagen
