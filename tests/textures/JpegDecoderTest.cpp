// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

#include "support/TempDir.h"
#include "textures/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace kluvian {
namespace {

using test::BytesOf;
using test::Jpeg;
using test::Repeat;

DecodeResult Decode(const std::string& file, PictureSource source = PictureSource::File) {
    return DecodeJpeg(BytesOf(file), "x.jpg", source);
}

bool Near(std::uint8_t value, int expected) {
    return std::abs(int(value) - expected) <= 6;
}

TEST(JpegReader, GivesOpaqueRgbaWithTheBottomRowFirst) {
    // 16 x 16: the top half red, the bottom half blue (blocks keep the colours clean).
    const std::string top = Repeat(std::string("\xFF\0\0", 3), 16 * 8);
    const std::string bottom = Repeat(std::string("\0\0\xFF", 3), 16 * 8);
    const auto r = Decode(Jpeg(16, 16, top + bottom));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.picture->width, 16);
    EXPECT_EQ(r.picture->height, 16);
    EXPECT_EQ(r.picture->channels, 4);
    ASSERT_EQ(r.picture->pixels.size(), 16u * 16 * 4);
    const auto& p = r.picture->pixels;
    EXPECT_TRUE(Near(p[0], 0) && Near(p[2], 255)) << "first buffer row is the bottom (blue)";
    const std::size_t last = p.size() - 4;
    EXPECT_TRUE(Near(p[last], 255) && Near(p[last + 2], 0)) << "last buffer row is the top";
    for (std::size_t i = 3; i < p.size(); i += 4)
        ASSERT_EQ(p[i], 255);
}

TEST(JpegReader, GreyIsExpandedToEqualChannels) {
    const auto r = Decode(Jpeg(8, 8, std::string(64, '\x80'), true));
    ASSERT_TRUE(r.Ok());
    const auto& p = r.picture->pixels;
    EXPECT_TRUE(Near(p[0], 128));
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
    EXPECT_EQ(p[3], 255);
}

TEST(JpegReader, NoJpegIsAMessageButDamageAfterTheHeaderRaises) {
    const auto notJpeg = Decode("GIF89a not a jpeg at all");
    EXPECT_EQ(notJpeg.message, "Couldn't load JPG - \"x.jpg\"");
    EXPECT_EQ(notJpeg.caption, "BMP Unit");
    EXPECT_EQ(Decode("", PictureSource::Resource).message,
              "Couldn't load JPG Resource - \"x.jpg\"");

    const std::string damaged = test::DamagedJpeg();
    ASSERT_TRUE(Decode(damaged.substr(0, damaged.find("\xFF\xDA") + 14)).Ok())
        << "cut after its header, the data decodes (grey) without raising";
    try {
        Decode(damaged);
        ADD_FAILURE() << "damaged data must raise";
    } catch (const std::runtime_error& e) {
        EXPECT_STRNE(e.what(), "");
    }

    test::TempDir dir;
    EXPECT_EQ(DecodeJpeg(dir.File("none.jpg")).message,
              "Couldn't load JPG - \"" + dir.File("none.jpg") + "\"");
}

} // namespace
} // namespace kluvian
