// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

#include "platform/IoError.h"
#include "support/TempDir.h"
#include "textures/TgaDecoder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace kluvian {
namespace {

using test::BytesOf;
using test::Repeat;
using test::Tga;
using Bytes = std::vector<std::uint8_t>;

const std::string kName = "data/x.tga";

DecodeResult Decode(const std::string& file, PictureSource source = PictureSource::File) {
    return DecodeTga(BytesOf(file), kName, source);
}

Bytes PixelsOf(const DecodeResult& r) {
    return r.Ok() ? r.picture->pixels : Bytes{};
}

TEST(TgaReader, UncompressedPixelsComeOutRedGreenBlueInStoredOrder) {
    const auto rgb = Decode(Tga(2, 4, 1, 24, "\1\2\3\4\5\6\7\10\11\12\13\14"));
    ASSERT_TRUE(rgb.Ok());
    EXPECT_EQ(rgb.picture->width, 4);
    EXPECT_EQ(rgb.picture->height, 1);
    EXPECT_EQ(rgb.picture->channels, 3);
    EXPECT_EQ(rgb.picture->pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));

    const auto rgba = Decode(Tga(2, 1, 2, 32, "\1\2\3\4\5\6\7\10"));
    ASSERT_TRUE(rgba.Ok());
    EXPECT_EQ(rgba.picture->channels, 4);
    EXPECT_EQ(rgba.picture->pixels, (Bytes{3, 2, 1, 4, 7, 6, 5, 8}));

    // The origin bits are not consulted: a top-down picture keeps its stored row order.
    const auto topDown = Decode(Tga(2, 1, 2, 24, "\1\1\1\2\2\2", 0x20));
    EXPECT_EQ(PixelsOf(topDown), (Bytes{1, 1, 1, 2, 2, 2}));

    // An image ID field is skipped rather than read as pixels.
    EXPECT_EQ(PixelsOf(Decode(Tga(2, 1, 1, 24, "\1\2\3", 0, 5))), (Bytes{3, 2, 1}));
}

TEST(TgaReader, RunLengthPacketsOfEveryBoundaryLength) {
    EXPECT_EQ(PixelsOf(Decode(Tga(10, 2, 1, 24, "\x81\1\2\3"))), (Bytes{3, 2, 1, 3, 2, 1}));
    EXPECT_EQ(PixelsOf(Decode(Tga(10, 1, 1, 24, std::string("\0\1\2\3", 4)))), (Bytes{3, 2, 1}));

    std::string raw128 = "\x7F";
    Bytes expectedRaw;
    for (int i = 0; i < 128; ++i) {
        raw128 += {char(i), char(i + 1), char(i + 2), char(200)};
        expectedRaw.insert(expectedRaw.end(),
                           {std::uint8_t(i + 2), std::uint8_t(i + 1), std::uint8_t(i), 200});
    }
    EXPECT_EQ(PixelsOf(Decode(Tga(10, 128, 1, 32, raw128))), expectedRaw);

    const auto run128 = Decode(Tga(10, 16, 8, 32, "\xFF\1\2\3\4"));
    ASSERT_TRUE(run128.Ok());
    EXPECT_EQ(run128.picture->pixels, [] {
        Bytes b;
        for (int i = 0; i < 128; ++i)
            b.insert(b.end(), {3, 2, 1, 4});
        return b;
    }());
}

TEST(TgaReader, RunPacketsMayCrossRows) {
    // 2 x 2: a run of three pixels fills the first row and half the second.
    const auto r = Decode(Tga(10, 2, 2, 24, std::string("\x82\1\2\3\0\7\10\11", 8)));
    EXPECT_EQ(PixelsOf(r), (Bytes{3, 2, 1, 3, 2, 1, 3, 2, 1, 9, 8, 7}));
}

TEST(TgaReader, RunLengthDataIsBoundedOnBothSides) {
    const std::string readError = "Couldn't read file \"data/x.tga\".";
    // Data that ends before the picture is complete: a run without its pixel, a raw packet
    // short of pixels, no packet at all.
    for (const std::string& data : {std::string("\x81\1\2\3"), std::string("\x83\1\2"),
                                    std::string("\x02\1\2\3\4\5\6"), std::string()}) {
        const auto r = Decode(Tga(10, 2, 2, 24, data));
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.message, readError);
        EXPECT_EQ(r.caption, "TGA File Error");
    }
    // A last packet that runs past the last pixel is cut there, raw or run.
    EXPECT_EQ(PixelsOf(Decode(Tga(10, 2, 1, 24, "\xFF\1\2\3"))), (Bytes{3, 2, 1, 3, 2, 1}));
    EXPECT_EQ(PixelsOf(Decode(Tga(10, 1, 1, 24, "\x7F\1\2\3"))), (Bytes{3, 2, 1}));
}

TEST(TgaReader, RefusesWhatItDoesNotReadWithItsMessages) {
    const auto expectRefused = [](const std::string& file, const std::string& message) {
        const auto r = Decode(file);
        EXPECT_FALSE(r.Ok()) << message;
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(r.caption, "TGA File Error");
    };
    const std::string pixel = "\1\2\3";
    // The checks run in the order image type, colour map, depth.
    expectRefused(Tga(1, 1, 1, 24, pixel, 0, 0, 1),
                  "Couldn't load \"data/x.tga\". Only 24 and 32bit TGA supported.");
    expectRefused(Tga(9, 1, 1, 16, pixel, 0, 0, 1),
                  "Couldn't load \"data/x.tga\". Only 24 and 32bit TGA supported.");
    expectRefused(Tga(2, 1, 1, 16, pixel, 0, 0, 1),
                  "Couldn't load \"data/x.tga\". Colormapped TGA files not supported.");
    expectRefused(Tga(2, 1, 1, 16, pixel),
                  "Couldn't load \"data/x.tga\". Only 24 and 32 bit TGA files supported.");
    // Short pixel data, zero sides and oversized pictures are read errors.
    const std::string readError = "Couldn't read file \"data/x.tga\".";
    expectRefused(Tga(2, 4, 1, 24, "\1\2\3\4\5\6\7\10\11\12\13"), readError);
    expectRefused(Tga(2, 1, 1, 24, pixel, 0, 200).substr(0, 100), readError); // ID past the end
    expectRefused(Tga(2, 0, 5, 24, pixel), readError);
    expectRefused(Tga(10, 3, 0, 24, "\x80\1\2\3"), readError);
    std::string wideRuns;
    for (int left = 16385; left > 0; left -= 128)
        wideRuns += "\xFF\1\2\3";
    expectRefused(Tga(10, 16385, 1, 24, wideRuns), readError);
    EXPECT_TRUE(Decode(Tga(10, 16384, 1, 24, wideRuns)).Ok());
}

TEST(TgaReader, ResourceBytesAreRefusedWhereAFileWouldRaise) {
    const auto shortHeader = Decode(std::string(10, '\0'), PictureSource::Resource);
    EXPECT_EQ(shortHeader.message, "Unable to read from resource - data/x.tga");
    EXPECT_EQ(shortHeader.caption, "BMP Unit");
    const auto shortData = Decode(Tga(10, 2, 1, 24, "\x80"), PictureSource::Resource);
    EXPECT_EQ(shortData.message, "Unable to read from resource - data/x.tga");
    const auto depth = Decode(Tga(2, 1, 1, 8, "\1"), PictureSource::Resource);
    EXPECT_EQ(depth.caption, "TGA File Error");

    EXPECT_THROW(Decode(std::string(17, '\0')), IoError);
}

TEST(TgaReader, AMissingFileIsAMessageAndAShortOneRaises) {
    test::TempDir dir;
    const auto missing = DecodeTga(dir.File("none.tga"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_EQ(missing.message, "File not found  - " + dir.File("none.tga"));
    EXPECT_EQ(missing.caption, "TGA Texture");

    const std::string tenBytes = dir.Write("short.tga", std::string(10, '\2'));
    try {
        DecodeTga(tenBytes);
        ADD_FAILURE() << "a 10-byte file must raise";
    } catch (const IoError& e) {
        EXPECT_EQ(e.Code(), IoError::ReadBeyondEnd);
        EXPECT_STREQ(e.what(), "Read beyond end of file");
    }

    const std::string good = dir.Write("good.tga", Tga(2, 1, 1, 24, "\1\2\3"));
    std::filesystem::permissions(good, std::filesystem::perms::owner_read);
    EXPECT_TRUE(DecodeTga(good).Ok()) << "a read-only file loads";
    if (geteuid() != 0) {
        std::filesystem::permissions(good, std::filesystem::perms::none);
        EXPECT_THROW(DecodeTga(good), IoError);
    }
}

} // namespace
} // namespace kluvian
