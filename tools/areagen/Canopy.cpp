// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Canopy.h"

#include <algorithm>
#include <cmath>

namespace kluvian::areagen {

namespace {

// Crowns lower on the slope are nearer: rows spread and crowns grow with depth. Depth of
// row k is step * k + kGrowth * step^2 * k^2.
constexpr double kGrowth = 1.0 / 500;
constexpr double kTallest = 1.35; // of a row's crown height, with the random spread
constexpr double kTiers = 5;      // branch tiers on a crown

double Hashed(std::uint32_t seed, long a, long b, int salt) {
    std::uint64_t h = std::uint64_t(a) * 0x9E3779B97F4A7C15ull ^
                      std::uint64_t(b) * 0xC2B2AE3D27D4EB4Full ^
                      (std::uint64_t(seed) << 8 | std::uint64_t(salt)) * 0x165667B19E3779F9ull;
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    return double(h >> 11) / double(1ull << 53);
}

} // namespace

Canopy::Canopy(const CanopyStyle& style, std::vector<double> hill, double x0, double dx,
               double pixelWidth)
    : style_(style), hill_(std::move(hill)), x0_(x0), dx_(dx), pixelWidth_(pixelWidth),
      stands_(style.seed + 1) {}

double Canopy::HillAt(double x) const {
    const double u = std::clamp((x - x0_) / dx_, 0.0, double(hill_.size() - 1));
    const auto i = std::min(std::size_t(u), hill_.size() - 2);
    const double f = u - double(i);
    return hill_[i] + (hill_[i + 1] - hill_[i]) * f;
}

double Canopy::RowDepth(int k) const {
    const double a = style_.rowStep;
    return a * k + kGrowth * a * a * k * k;
}

double Canopy::Growth(double depth) const {
    return std::sqrt(1 + 4 * kGrowth * std::max(depth, 0.0));
}

Canopy::Row Canopy::RowAt(int k) const {
    Row row;
    row.depth = RowDepth(k);
    row.growth = Growth(row.depth);
    row.width = style_.crown * row.growth * style_.slender * 1.3;
    row.shift = row.width * Hashed(style_.seed, k, 0, 1);
    return row;
}

int Canopy::CrownsNear(int k, double x, std::array<Crown, 3>& crowns) const {
    const Row row = RowAt(k);
    const long j0 = long(std::floor((x - row.shift) / row.width));
    int count = 0;
    for (long j = j0 - 1; j <= j0 + 1; ++j) {
        if (Hashed(style_.seed, k, j, 2) < 0.02)
            continue; // a gap in the stand
        Crown& crown = crowns[std::size_t(count++)];
        crown.x =
            (double(j) + 0.5 + 0.7 * (Hashed(style_.seed, k, j, 3) - 0.5)) * row.width + row.shift;
        // Stands of taller and shorter trees, and single ones standing out of them.
        const double stand = 0.5 + 0.5 * stands_.Fbm(crown.x / 60.0, row.depth / 40.0, 2);
        crown.height =
            style_.crown * row.growth * (0.7 + 0.3 * stand + 0.35 * Hashed(style_.seed, k, j, 4));
        const double foot =
            HillAt(crown.x) + row.depth +
            0.6 * style_.rowStep * row.growth * (Hashed(style_.seed, k, j, 5) - 0.5);
        crown.apex = foot - crown.height;
        crown.tone = 0.5 * Hashed(style_.seed, k, j, 6) + 0.5 * stand;
        crown.larch = style_.larchShare > 0 && Hashed(style_.seed, k, j, 7) < style_.larchShare;
    }
    return count;
}

double Canopy::Coverage(const Crown& c, double x, double y, double& light, double& snow,
                        double sun) const {
    const double t = (y - c.apex) / c.height; // 0 at the tip, 1 at the foot
    const double vertical =
        std::clamp(y + 0.5 - c.apex, 0.0, 1.0) * std::clamp(c.apex + c.height - y + 0.5, 0.0, 1.0);
    if (vertical <= 0)
        return 0;
    const double along = std::clamp(t, 0.0, 1.0);
    // Each tier of branches is a skirt, narrow under the one above and widest at its hem.
    const double tier = along * kTiers - std::floor(along * kTiers);
    const double half = c.height * style_.slender * std::pow(along, 0.85) * (0.78 + 0.22 * tier);
    const double off = x - c.x;
    const double horizontal = std::clamp((half - std::abs(off)) / pixelWidth_ + 0.5, 0.0, 1.0);
    if (horizontal <= 0)
        return 0;
    const double q = std::clamp(off / std::max(half, 1e-3), -1.0, 1.0);
    // The sun side of a crown, the upper face of each tier and the tip catch the light.
    light = 0.48 + 0.38 * q * sun + 0.22 * (tier - 0.5) + 0.1 * (1 - along) - 0.18 * along +
            0.3 * (c.tone - 0.5);
    // Snow weighs down the outer part of each tier; the tier above shades its inner part.
    snow = style_.snow * SmoothStep(0.3, 0.75, tier) * (1.1 - 0.6 * along) * (0.5 + c.tone);
    return horizontal * vertical;
}

double Canopy::Top(double x) const {
    double top = HillAt(x);
    std::array<Crown, 3> crowns;
    for (int k = 0;; ++k) {
        const Row row = RowAt(k);
        if (row.depth > (kTallest * style_.crown + style_.rowStep) * row.growth)
            break; // rows further down never reach above the hill line
        const int count = CrownsNear(k, x, crowns);
        for (int n = 0; n < count; ++n) {
            const Crown& c = crowns[std::size_t(n)];
            const double half = c.height * style_.slender;
            const double off = std::max(std::abs(x - c.x) - pixelWidth_, 0.0) / half;
            if (off < 1)
                top = std::min(top, c.apex + c.height * std::pow(off, 1 / 0.85) - 0.5);
        }
    }
    return top;
}

Canopy::Sample Canopy::At(double x, double y, double sun) const {
    const double hill = HillAt(x);
    const double depth = y - hill;
    // Rows whose crowns may reach this texel, nearest (lowest on the slope) first.
    const double a = style_.rowStep;
    auto rowAt = [&](double d) {
        d = std::max(d, 0.0);
        const double b = kGrowth * a * a;
        return (-a + std::sqrt(a * a + 4 * b * d)) / (2 * b);
    };
    const int first = int(std::ceil(rowAt(depth + kTallest * style_.crown * Growth(depth) + a)));
    const int last = std::max(0, int(std::floor(rowAt(depth - a))));
    Rgb sum;
    double cover = 0;
    std::array<Crown, 3> crowns;
    for (int k = first; k >= last && cover < 0.995; --k) {
        const int count = CrownsNear(k, x, crowns);
        for (int n = 0; n < count; ++n) {
            double light = 0;
            double snow = 0;
            const Crown& crown = crowns[std::size_t(n)];
            const double share = Coverage(crown, x, y, light, snow, sun);
            if (share <= 0)
                continue;
            Rgb color = crown.larch ? Mix(style_.larchShadow, style_.larchLit, Clamp01(light))
                                    : Mix(style_.shadow, style_.lit, Clamp01(light));
            if (snow > 0)
                color = Mix(color, Mix(style_.snowShade, style_.snowLit, Clamp01(light + 0.2)),
                            Clamp01(snow));
            const double w = (1 - cover) * share;
            sum = sum + color * w;
            cover += w;
        }
    }
    // Below the hill line the ground between the trunks lies in deep shade.
    const double ground = std::clamp(y + 0.5 - hill, 0.0, 1.0);
    const double w = (1 - cover) * ground;
    sum = sum + style_.gap * w;
    cover += w;
    if (cover <= 0)
        return {};
    return {sum * (1 / cover), cover};
}

} // namespace kluvian::areagen
