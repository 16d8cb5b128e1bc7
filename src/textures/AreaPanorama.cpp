// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/AreaPanorama.h"

#include "game/AreaLayout.h"
#include "textures/TgaDecoder.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace kluvian {
namespace {

// The foreground unit that passes over background unit x of the panorama: as the view pans
// from one end to the other, the foreground moves kFrontPan times as far.
constexpr double kFrontPerBack =
    1 + (kFrontPan - 1) * double(-kMinBackScroll) / double(kPanoramaWidth);

// Sums of the texels falling into each pixel of the picture: a box filter.
struct Sums {
    explicit Sums(int pixels)
        : rgb(std::size_t(pixels) * 3), alpha(std::size_t(pixels)), count(std::size_t(pixels)) {}
    std::vector<double> rgb; // weighted by alpha for the foreground
    std::vector<double> alpha;
    std::vector<double> count;
};

std::optional<Picture> Decoded(const std::string& path) {
    try {
        DecodeResult result = DecodeTga(path);
        if (result.Ok())
            return std::move(result.picture);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        // A picture the game cannot read shows nothing here either.
    }
    return std::nullopt;
}

// Adds one layer tile. xAt(s) is the panorama's x (0 at its right end, growing leftwards) of
// texture column s (0..1); rows up to shownRows of the stored ones are in view, row 0 at the
// bottom of the view.
template <typename XAt>
void AddTile(const Picture& tile, XAt xAt, int shownRows, int width, int height, Sums& sums) {
    std::vector<int> column(std::size_t(tile.width), -1);
    for (int c = 0; c < tile.width; ++c) {
        const double x = xAt((c + 0.5) / tile.width);
        if (x >= 0 && x < kPanoramaWidth)
            column[std::size_t(c)] = std::min(width - 1, int((1 - x / kPanoramaWidth) * width));
    }
    for (int r = 0; r < std::min(shownRows, tile.height); ++r) {
        const int y = std::min(height - 1, int((1 - (r + 0.5) / shownRows) * height));
        const std::uint8_t* texel = tile.pixels.data() + std::size_t(r) * std::size_t(tile.width) *
                                                             std::size_t(tile.channels);
        for (int c = 0; c < tile.width; ++c, texel += tile.channels) {
            const int x = column[std::size_t(c)];
            if (x < 0)
                continue;
            const std::size_t p = std::size_t(y) * std::size_t(width) + std::size_t(x);
            const double a = tile.channels == 4 ? texel[3] / 255.0 : 1.0;
            for (std::size_t k = 0; k < 3; ++k)
                sums.rgb[p * 3 + k] += texel[k] * a;
            sums.alpha[p] += a;
            sums.count[p] += 1;
        }
    }
}

} // namespace

Picture AreaPanorama(const std::string& dir, int width, int height) {
    const int pixels = width * height;
    Sums back(pixels);
    Sums front(pixels);
    for (int k = 0; k < kBackgroundTiles; ++k)
        if (const auto tile = Decoded(dir + NumberedPicture(kBackgroundStem, k)))
            AddTile(
                *tile, [k](double s) { return (k + s) * kBackTileEdge; },
                tile->height * kWorldHeight / kBackTileEdge, width, height, back);
    for (int k = 0; k < kForegroundTiles; ++k)
        if (const auto tile = Decoded(dir + NumberedPicture(kForegroundStem, k)))
            AddTile(
                *tile, [k](double s) { return (k + s) * kFrontTileEdge / kFrontPerBack; },
                tile->height, width, height, front);

    Picture picture{width, height, 3, std::vector<std::uint8_t>(std::size_t(pixels) * 3)};
    for (std::size_t p = 0; p < std::size_t(pixels); ++p) {
        const double cover = front.count[p] > 0 ? front.alpha[p] / front.count[p] : 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const double behind = back.count[p] > 0 ? back.rgb[p * 3 + k] / back.count[p] : 0;
            const double before = front.count[p] > 0 ? front.rgb[p * 3 + k] / front.count[p] : 0;
            picture.pixels[p * 3 + k] =
                std::uint8_t(std::clamp(behind * (1 - cover) + before + 0.5, 0.0, 255.0));
        }
    }
    return picture;
}

} // namespace kluvian
