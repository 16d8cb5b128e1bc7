// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataDir.h"

#include "areagen/Looks.h"
#include "areagen/Tga.h"
#include "areagen/Vulture.h"
#include "textures/TgaDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kluvian::test {
namespace {

using areagen::DecodeTgaRows;

const std::string kArea = "BlueMountains/";
// The areas under a daylight sky, blue overhead.
const std::vector<std::string> kDaylightAreas{kArea, "WhiteSpruces/"};

// Every area the game comes with, each as its folder with a '/'.
std::vector<std::string> GameAreaFolders() {
    std::vector<std::string> folders;
    for (const areagen::Area& area : areagen::GameAreas())
        folders.push_back(area.name + "/");
    return folders;
}

std::vector<std::string> AllPictures(const std::string& area = kArea) {
    std::vector<std::string> names{"font.tga", "cursor.tga", area + "ammo.tga"};
    for (int n = 0; n < 3; ++n)
        names.push_back(area + "backgroundLayer" + std::to_string(n) + ".tga");
    for (int n = 0; n < 7; ++n)
        names.push_back(area + "foregroundLayer" + std::to_string(n) + ".tga");
    for (const char* group : {"small", "medium", "big"}) {
        names.push_back(area + group + "ChickenFalling.tga");
        for (int f = 0; f < 6; ++f)
            names.push_back(area + group + "ChickenRight" + std::to_string(f) + ".tga");
    }
    return names;
}

bool PowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

// Rows in stored order, as the game uploads them: row 0 is the bottom of what is shown.
QImage Rows(const std::string& name) {
    const QImage rows = DecodeTgaRows(DataFile(name));
    EXPECT_FALSE(rows.isNull()) << name;
    return rows;
}

int InkIn(const QImage& rows, int x0, int y0, int w, int h) {
    int ink = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            ink += qAlpha(rows.pixel(x, y)) > 0;
    return ink;
}

TEST(GeneratedPictures, EveryPictureOfEveryAreaLoadsWithTheGamesReaderAtPowerOfTwoSizes) {
    std::vector<std::string> names;
    for (const std::string& area : GameAreaFolders())
        for (const std::string& name : AllPictures(area))
            names.push_back(name);
    for (const std::string& name : names) {
        const auto bytes = DataFile(name);
        const DecodeResult result = DecodeTga(bytes, name);
        ASSERT_TRUE(result.Ok()) << name << ": " << result.message;
        EXPECT_TRUE(PowerOfTwo(result.picture->width) && PowerOfTwo(result.picture->height))
            << name;
        const QImage own = DecodeTgaRows(bytes);
        EXPECT_EQ(own.width(), result.picture->width) << name;
        // Both readers agree on the first stored pixel's red.
        EXPECT_EQ(qRed(own.pixel(0, 0)), result.picture->pixels[0]) << name;
    }
}

TEST(GeneratedPictures, LayersHaveTheirFormatsAndSizes) {
    for (const std::string& area : GameAreaFolders()) {
        SCOPED_TRACE(area);
        for (int n = 0; n < 3; ++n) {
            const auto bytes = DataFile(area + "backgroundLayer" + std::to_string(n) + ".tga");
            EXPECT_EQ(bytes[2], 2);
            EXPECT_EQ(bytes[16], 24);
            // Twice as many texels across as down: the view is stretched most across when
            // maximised.
            EXPECT_EQ(Rows(area + "backgroundLayer" + std::to_string(n) + ".tga").size(),
                      QSize(2048, 1024));
        }
        for (int n = 0; n < 7; ++n) {
            const auto bytes = DataFile(area + "foregroundLayer" + std::to_string(n) + ".tga");
            EXPECT_EQ(bytes[2], 10);
            EXPECT_EQ(bytes[16], 32);
            // The seventh tile never comes into view and is kept small.
            if (n < 6) {
                EXPECT_EQ(Rows(area + "foregroundLayer" + std::to_string(n) + ".tga").size(),
                          QSize(1024, 1024));
            }
        }
    }
}

// Mean absolute difference per channel between column x of one picture and column y of another,
// over the stored rows that are ever shown.
double ColumnDifference(const QImage& a, int x, const QImage& b, int y, int rows) {
    double sum = 0;
    for (int row = 0; row < rows; ++row) {
        const QRgb p = a.pixel(x, row);
        const QRgb q = b.pixel(y, row);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q)) +
               std::abs(qAlpha(p) - qAlpha(q)) * (qAlpha(p) + qAlpha(q) > 0);
    }
    return sum / rows / 3;
}

// The step from the last column of tile a to the first of tile b is no larger than the steps
// beside it, within each tile: the picture goes on across the join.
void ExpectNoSeam(const QImage& a, const QImage& b, int rows) {
    const int w = a.width();
    const double join = ColumnDifference(a, w - 1, b, 0, rows);
    const double beside =
        std::max(ColumnDifference(a, w - 2, a, w - 1, rows), ColumnDifference(b, 0, b, 1, rows));
    EXPECT_LT(join, 1.5 * beside + 1.0);
}

TEST(GeneratedPictures, ConsecutiveLayerTilesMeetWithoutASeam) {
    for (const std::string& area : GameAreaFolders()) {
        SCOPED_TRACE(area);
        for (int n = 0; n + 1 < 3; ++n) {
            SCOPED_TRACE("background " + std::to_string(n));
            const QImage a = Rows(area + "backgroundLayer" + std::to_string(n) + ".tga");
            const QImage b = Rows(area + "backgroundLayer" + std::to_string(n + 1) + ".tga");
            ExpectNoSeam(a, b, 768);
            // Joined the other way round the tiles do not fit, so the check can fail.
            EXPECT_GT(ColumnDifference(b, b.width() - 1, a, 0, 768), 10.0);
        }
        for (int n = 0; n + 1 < 6; ++n) {
            SCOPED_TRACE("foreground " + std::to_string(n));
            ExpectNoSeam(Rows(area + "foregroundLayer" + std::to_string(n) + ".tga"),
                         Rows(area + "foregroundLayer" + std::to_string(n + 1) + ".tga"), 1024);
        }
    }
}

TEST(GeneratedPictures, TheBackgroundShowsSkyAboveAndMountainsBelow) {
    for (const std::string& area : kDaylightAreas) {
        SCOPED_TRACE(area);
        const QImage tile = Rows(area + "backgroundLayer0.tga");
        // Stored row 700 is near the top of the view, row 40 near its bottom.
        const QRgb sky = tile.pixel(500, 700);
        const QRgb ground = tile.pixel(500, 40);
        EXPECT_GT(qBlue(sky), qRed(sky));
        EXPECT_GT(qGray(sky), qGray(ground));
    }
}

// How much the change between neighbours along one direction alters over `lag` texels in the
// other: curtain-like streaks keep their left-right changes all the way down a slope.
double Decorrelation(const QImage& rows, int y0, int y1, int lag, bool down) {
    double change = 0;
    double altered = 0;
    auto gray = [&](int x, int y) { return double(qGray(rows.pixel(x, y))); };
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x + 1 + lag < rows.width(); ++x) {
            const double here = down ? gray(x + 1, y) - gray(x, y) : gray(x, y + 1) - gray(x, y);
            const double there = down ? gray(x + 1, y + lag) - gray(x, y + lag)
                                      : gray(x + lag, y + 1) - gray(x + lag, y);
            change += std::abs(here);
            altered += std::abs(here - there);
        }
    return change > 0 ? altered / change : 0;
}

TEST(GeneratedPictures, MountainFacesAreShadedInBothDirectionsNotInVerticalStreaks) {
    for (const std::string& area : GameAreaFolders()) {
        SCOPED_TRACE(area);
        for (int n = 0; n < 3; ++n) {
            const QImage tile = Rows(area + "backgroundLayer" + std::to_string(n) + ".tga");
            // Stored rows 263..403 hold the three rocky ridges in the middle of the view.
            const double down = Decorrelation(tile, 263, 403, 8, true);
            const double across = Decorrelation(tile, 263, 403, 8, false);
            EXPECT_GT(across, 0.5) << "tile " << n;
            EXPECT_GT(down, 0.85 * across) << "tile " << n;
        }
    }
}

// The autumn evening's rose haze is meant; daylight is not pink.
TEST(GeneratedPictures, SkyCloudsAndMountainsHaveNoPinkCast) {
    for (const std::string& area : kDaylightAreas) {
        SCOPED_TRACE(area);
        for (int n = 0; n < 3; ++n) {
            const QImage tile = Rows(area + "backgroundLayer" + std::to_string(n) + ".tga");
            int pink = 0;
            for (int y = 0; y < tile.height(); ++y)
                for (int x = 0; x < tile.width(); ++x) {
                    const QRgb p = tile.pixel(x, y);
                    pink += qGreen(p) + 1 < std::min(qRed(p), qBlue(p));
                }
            EXPECT_EQ(pink, 0) << "tile " << n;
        }
    }
}

struct Tones {
    double meanGray = 0;
    int pale = 0;
};

// Grey levels of the fully covered pixels of a sprite.
Tones TonesOf(const QImage& rows) {
    Tones tones;
    int count = 0;
    for (int y = 0; y < rows.height(); ++y)
        for (int x = 0; x < rows.width(); ++x) {
            const QRgb p = rows.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            const int gray = qGray(p);
            tones.meanGray += gray;
            tones.pale += gray > 220;
            ++count;
        }
    if (count > 0)
        tones.meanGray /= count;
    return tones;
}

TEST(GeneratedPictures, SmallBirdsAreDarkWithAPaleRuffSoTheyStandOut) {
    for (const std::string& area : kDaylightAreas) {
        SCOPED_TRACE(area);
        for (int f = 0; f < 6; ++f) {
            const std::string frame = "ChickenRight" + std::to_string(f) + ".tga";
            const Tones small = TonesOf(Rows(area + "small" + frame));
            const Tones medium = TonesOf(Rows(area + "medium" + frame));
            // Much darker than the same bird in the middle size, yet with a white ruff.
            EXPECT_LT(small.meanGray, 72) << f;
            EXPECT_LT(small.meanGray + 32, medium.meanGray) << f;
            EXPECT_GT(small.pale, 12) << "the ruff shows in frame " << f;
        }
    }
}

TEST(GeneratedPictures, ForegroundIsClearAboveAndOpaqueAtTheBottom) {
    for (const std::string& area : GameAreaFolders()) {
        SCOPED_TRACE(area);
        for (int n = 0; n < 7; ++n) {
            const QImage rows = Rows(area + "foregroundLayer" + std::to_string(n) + ".tga");
            const int w = rows.width();
            const int h = rows.height();
            // The upper 58 % of the view is stored last.
            EXPECT_EQ(InkIn(rows, 0, h * 430 / 1024, w, h - h * 430 / 1024), 0) << n;
            int opaque = 0;
            for (int x = 0; x < w; ++x)
                opaque += qAlpha(rows.pixel(x, h / 512)) == 255;
            EXPECT_GT(opaque, w * 7 / 8) << "the ground runs along the bottom of tile " << n;
        }
    }
}

TEST(GeneratedPictures, FontHasInkForEveryPrintableByteOnlyInTheMiddleOfItsCell) {
    const auto bytes = DataFile("font.tga");
    EXPECT_EQ(bytes[17] & 0x20, 0x20) << "stored top-down";
    const QImage rows = Rows("font.tga");
    ASSERT_EQ(rows.size(), QSize(512, 512));
    for (int k = 0; k < 256; ++k) {
        const int x0 = (k % 16) * 32;
        const int y0 = (k / 16) * 32; // cell row 0 is stored first
        const bool undefined = k == 0x81 || k == 0x83 || k == 0x88 || k == 0x90 || k == 0x98;
        const bool printable = (k > 0x20 && k < 0x7F) || (k >= 0x80 && k != 0xA0 && !undefined);
        if (printable)
            EXPECT_GT(InkIn(rows, x0 + 8, y0, 16, 32), 4) << "byte " << k;
        else
            EXPECT_EQ(InkIn(rows, x0, y0, 32, 32), 0) << "byte " << k;
        EXPECT_EQ(InkIn(rows, x0, y0, 8, 32) + InkIn(rows, x0 + 24, y0, 8, 32), 0) << "byte " << k;
    }
    // Glyphs stand upright with their tops towards the first stored row: T's bar, _ at the foot.
    EXPECT_GT(InkIn(rows, 4 * 32 + 8, 5 * 32 + 4, 16, 10),
              InkIn(rows, 4 * 32 + 8, 5 * 32 + 18, 16, 10));
    EXPECT_LT(InkIn(rows, 15 * 32 + 8, 5 * 32, 16, 16),
              InkIn(rows, 15 * 32 + 8, 5 * 32 + 16, 16, 16));
}

TEST(GeneratedPictures, CartridgeStandsOnTheBottomWithinTheLeftThirtyColumns) {
    const QImage rows = Rows(kArea + "ammo.tga");
    ASSERT_EQ(rows.size(), QSize(128, 128));
    EXPECT_EQ(InkIn(rows, 30, 0, 98, 128), 0);
    EXPECT_GT(InkIn(rows, 0, 0, 30, 1), 20) << "bottom-aligned";
    EXPECT_GT(InkIn(rows, 0, 60, 30, 1), 20) << "upright and tall";
    EXPECT_EQ(InkIn(rows, 0, 100, 30, 28), 0);
}

TEST(GeneratedPictures, CrossHairIsCentred) {
    const QImage rows = Rows("cursor.tga");
    ASSERT_EQ(rows.size(), QSize(64, 64));
    EXPECT_GT(qAlpha(rows.pixel(32, 32)), 128);
    EXPECT_EQ(InkIn(rows, 0, 0, 4, 4), 0);
    const int left = InkIn(rows, 0, 0, 32, 64);
    EXPECT_NEAR(left, InkIn(rows, 32, 0, 32, 64), left / 30);
    EXPECT_NEAR(InkIn(rows, 0, 0, 64, 32), InkIn(rows, 0, 32, 64, 32), left / 30);
}

TEST(GeneratedPictures, BirdFramesAreTransparentInTheCornersAndDifferFromFrameToFrame) {
    for (const std::string& area : GameAreaFolders()) {
        SCOPED_TRACE(area);
        for (const char* group : {"small", "medium", "big"}) {
            std::vector<QImage> frames;
            for (int f = 0; f < 6; ++f)
                frames.push_back(Rows(area + group + "ChickenRight" + std::to_string(f) + ".tga"));
            frames.push_back(Rows(area + group + "ChickenFalling.tga"));
            for (std::size_t f = 0; f < frames.size(); ++f) {
                const QImage& rows = frames[f];
                const int e = rows.width();
                const int c = e / 8;
                EXPECT_EQ(InkIn(rows, 0, 0, c, c) + InkIn(rows, e - c, 0, c, c) +
                              InkIn(rows, 0, e - c, c, c) + InkIn(rows, e - c, e - c, c, c),
                          0)
                    << group << " " << f;
                EXPECT_GT(InkIn(rows, 0, 0, e, e), e * e / 12) << group << " " << f;
                if (f > 0) {
                    EXPECT_NE(rows, frames[f - 1]) << group << " " << f;
                }
            }
            // Frame 0 has the wings raised: most ink in the upper half, which is stored last.
            const int e = frames[0].width();
            EXPECT_GT(InkIn(frames[0], 0, e / 2, e, e / 2), InkIn(frames[0], 0, 0, e, e / 2))
                << group;
            // Facing right: the head and beak reach further right than the tail reaches left.
            EXPECT_GT(InkIn(frames[1], e * 3 / 4, 0, e / 4, e), 0);
        }
    }
}

TEST(GeneratedPictures, BirdsAreTheSameForEveryRun) {
    const auto& plumage = areagen::SummerDayLook().birds;
    EXPECT_EQ(areagen::PaintVulture(64, 3, plumage[1], 35),
              areagen::PaintVulture(64, 3, plumage[1], 35));
    EXPECT_EQ(areagen::PaintFallingVulture(64, plumage[0], 25),
              areagen::PaintFallingVulture(64, plumage[0], 25));
}

TEST(GeneratedPictures, IconsForEveryThemeSizeAreSquareWithSharpRimAndPosts) {
    for (const int n : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(n) + "x" + std::to_string(n);
        const auto png = DataFile("icons/" + size + "/kluvian.png");
        QImage icon;
        ASSERT_TRUE(icon.loadFromData(png.data(), int(png.size()), "PNG")) << size;
        EXPECT_EQ(icon.size(), QSize(n, n));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(n / 2, n / 2)), 255) << size;
        // A blurred small icon is a haze of mid tones: the dark rim and the light posts
        // must both survive.
        int darkest = 255;
        int lightest = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    darkest = std::min(darkest, qGray(icon.pixel(x, y)));
                    lightest = std::max(lightest, qGray(icon.pixel(x, y)));
                }
        EXPECT_LT(darkest, 50) << size;
        EXPECT_GT(lightest, 220) << size;
    }
}

} // namespace
} // namespace kluvian::test
