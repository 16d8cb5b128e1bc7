// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

#include "support/TempDir.h"
#include "textures/BmpDecoder.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

using test::Bmp;
using test::BytesOf;
using Bytes = std::vector<std::uint8_t>;

DecodeResult Decode(const std::string& file, PictureSource source = PictureSource::File) {
    return DecodeBmp(BytesOf(file), "pics/x.bmp", source);
}

TEST(BmpReader, ReadsBlueGreenRedTriplesInFileOrder) {
    // biSizeImage 0 and no colour table: n = width x height x 3.
    const auto r = Decode(Bmp(2, 2, "\1\2\3\4\5\6\7\10\11\12\13\14"));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.picture->width, 2);
    EXPECT_EQ(r.picture->height, 2);
    EXPECT_EQ(r.picture->channels, 3);
    EXPECT_EQ(r.picture->pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));

    // A colour table is skipped, and a larger biSizeImage reads more but keeps w x h x 3.
    const auto withTable = Decode(Bmp(1, 1, std::string("\1\2\3\0", 4), 4, 2));
    ASSERT_TRUE(withTable.Ok());
    EXPECT_EQ(withTable.picture->pixels, (Bytes{3, 2, 1}));
}

TEST(BmpReader, RefusesDataItCannotReadSafely) {
    const auto expectRefused = [](const std::string& file, const std::string& message) {
        const auto r = Decode(file);
        EXPECT_FALSE(r.Ok()) << message;
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(r.caption, "BMP Unit");
    };
    expectRefused(Bmp(2, 1, "\1\2\3\4\5"), "Error reading bitmap data");
    expectRefused(Bmp(0, 1, "\1\2\3"), "Error reading bitmap data");
    expectRefused(Bmp(1, -1, "\1\2\3"), "Error reading bitmap data"); // top-down
    expectRefused(Bmp(-1, 1, "\1\2\3"), "Error reading bitmap data");
    expectRefused(Bmp(16385, 1, std::string(16385 * 3, 'x')), "Error reading bitmap data");
    // biSizeImage smaller than the triples the reader swaps, or larger than the file.
    expectRefused(Bmp(2, 1, "\1\2\3\4\5\6", 3), "Error reading bitmap data");
    expectRefused(Bmp(1, 1, "\1\2\3", 0xFFFFFFFFu), "Error reading bitmap data");
    // 32-bit count of pixel bytes taken at face value, and a size that would overflow.
    expectRefused(Bmp(0x7FFFFFFF, 0x7FFFFFFF, "\1\2\3"), "Error reading bitmap data");
    // A colour table longer than the file.
    std::string noTable = Bmp(1, 1, "\1\2\3", 0, 0);
    noTable[46] = '\xFF';
    noTable[49] = '\x7F';
    expectRefused(noTable, "Error reading palette");
    // Headers cut short read as zeros and give a zero width.
    expectRefused(Bmp(1, 1, "\1\2\3").substr(0, 20), "Error reading bitmap data");
    expectRefused("", "Error reading bitmap data");
}

TEST(BmpReader, ResourceAndFileFailuresHaveTheirOwnMessages) {
    const auto shortHeader = Decode("BM", PictureSource::Resource);
    EXPECT_EQ(shortHeader.message, "Unable to read from resource - pics/x.bmp");
    EXPECT_EQ(shortHeader.caption, "BMP Unit");
    const auto shortData = Decode(Bmp(2, 1, "\1\2\3"), PictureSource::Resource);
    EXPECT_EQ(shortData.message, "Unable to read from resource - pics/x.bmp");

    test::TempDir dir;
    const auto missing = DecodeBmp(dir.File("none.bmp"));
    EXPECT_EQ(missing.message, "Error opening " + dir.File("none.bmp"));
    EXPECT_EQ(missing.caption, "BMP Unit");
    EXPECT_TRUE(DecodeBmp(dir.Write("a.bmp", Bmp(1, 1, "\1\2\3"))).Ok());
}

} // namespace
} // namespace kluvian
