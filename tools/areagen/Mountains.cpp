// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Mountains.h"

#include "areagen/Canopy.h"
#include "areagen/Color.h"
#include "areagen/Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

namespace kluvian::areagen {

namespace {

Rgb SkyAt(const SkyLook& sky, double x, double y) {
    const double v = (y - kFirstVisibleRow) / 768.0; // 0 at the top of the view
    Rgb c = v < 0           ? Mix(sky.zenith, sky.high, Clamp01(v + 1.0 / 3) * 3)
            : v < sky.lowAt ? Mix(sky.high, sky.low, v / sky.lowAt)
                            : Mix(sky.low, sky.horizon, Clamp01((v - sky.lowAt) / sky.horizonSpan));
    const double d = std::hypot((x - sky.sunX) * sky.glowAcross, y - sky.sunY);
    const double glow = sky.glowNear * std::exp(-d / sky.glowNearReach) +
                        sky.glowFar * std::exp(-d / sky.glowFarReach);
    c = Mix(c, sky.glow, Clamp01(glow));
    const double r = std::hypot((x - sky.sunX) * sky.discAcross, y - sky.sunY);
    if (r < sky.sunRadius)
        c = Mix(c, sky.disc, SmoothStep(sky.sunRadius, sky.sunRadius - 4, r));
    return c;
}

class Clouds {
public:
    Clouds(const CloudLook& look, const SkyLook& sky)
        : look_(look), sky_(sky), noise_(look.seed), wisps_(look.wispSeed) {}

    Rgb Over(Rgb sky, double x, double y) const {
        const double d = Density(x, y);
        const double above = Density(x + look_.lightDx, y + look_.lightDy);
        const double cirrus = Cirrus(x, y);
        Rgb c = Mix(sky, look_.cirrus, cirrus * look_.cirrusStrength);
        if (d <= 0)
            return c;
        const double sun = std::exp(-std::hypot(x - sky_.sunX, y - sky_.sunY) / look_.sunReach);
        // Lit on the sun's side, shaded on the other; near the sun only a little brighter.
        const Rgb bright = Mix(look_.bright, look_.brightSun, sun);
        const Rgb shade = Mix(look_.shade, look_.shadeSun, sun);
        const Rgb cloud = Mix(bright, shade, Clamp01(above * 1.3 - 0.1));
        return Mix(c, cloud, Clamp01(d * 1.6));
    }

private:
    double Density(double x, double y) const {
        double band = 0;
        for (const CloudLook::Band& b : look_.bands)
            band += std::exp(-std::pow((y - b.row) / b.spread, 2)) * b.weight;
        const double n = noise_.Fbm(x / look_.across, y / look_.down, 5);
        return (n + band - look_.threshold) * 1.8;
    }
    double Cirrus(double x, double y) const {
        if (y > 420)
            return 0;
        const double n = wisps_.Fbm(x / 500.0 + y / 300.0, y / 18.0, 4);
        return Clamp01((n - 0.25) * 2.5) * SmoothStep(420, 300, y) * SmoothStep(120, 220, y);
    }
    const CloudLook& look_;
    const SkyLook& sky_;
    Noise noise_;
    Noise wisps_;
};

// The centre of texel column i in panorama units.
double ColumnX(int i) {
    return (i + 0.5) / kPanoramaTexelsPerUnit - 0.5;
}

constexpr int kColumns = kPanoramaWidth * kPanoramaTexelsPerUnit;

// The ridge's skyline without trees, per texel column.
std::vector<double> HillOf(const RidgeLook& ridge) {
    const Noise noise(ridge.seed);
    std::vector<double> hill(kColumns);
    for (int i = 0; i < kColumns; ++i) {
        const double u = ColumnX(i) / ridge.scale;
        const double jagged = noise.Ridged(u, 6);
        const double rolling = 0.5 + 0.5 * noise.Fbm(u * 0.7 + 40, 5);
        hill[std::size_t(i)] =
            ridge.base - ridge.height * (ridge.peakiness * jagged * jagged * 1.3 +
                                         (1 - ridge.peakiness) * rolling);
    }
    return hill;
}

// A ridge with its skyline and running sums of the hill line, so that its slope averaged over
// any reach costs the same. Columns are texel columns; x and y are panorama units.
class RidgeShape {
public:
    RidgeShape(const RidgeLook& ridge, const MountainLook& look, const SkyLook& sky)
        : ridge_(ridge), look_(look), sky_(sky), hill_(HillOf(ridge)), crest_(hill_),
          sums_(hill_.size() + 1, 0.0), rock_(ridge.seed + 500), tone_(ridge.seed + 600) {
        for (std::size_t i = 0; i < hill_.size(); ++i)
            sums_[i + 1] = sums_[i] + hill_[i];
        if (ridge.forest) {
            canopy_.emplace(*ridge.forest, hill_, ColumnX(0), 1.0 / kPanoramaTexelsPerUnit,
                            1.0 / kPanoramaTexelsPerUnit);
            for (int i = 0; i < kColumns; ++i)
                crest_[std::size_t(i)] = std::min(hill_[std::size_t(i)], canopy_->Top(ColumnX(i)));
        }
    }

    // The highest row the ridge reaches in column i.
    double Crest(int i) const { return crest_[std::size_t(i)]; }

    // What the ridge shows in the texel of column i, row y, on or below its crest.
    Canopy::Sample At(int i, int y) const {
        const double x = ColumnX(i);
        const double depth = std::max(y - hill_[std::size_t(i)], 0.0);
        // The sun stands low in the right part of the sky: faces on its side catch the light.
        const double side = std::tanh((sky_.sunX - x) / look_.sideReach);
        Canopy::Sample s;
        if (canopy_) {
            s = canopy_->At(x, y, side);
            // Whole slopes still turn to or from the sun.
            const double spur = Slope(i, 14 + 0.7 * depth) + 0.6 * Slope(i, 50 + 1.5 * depth);
            s.color = s.color * (0.92 + 0.3 * std::clamp(spur * side, -0.5, 0.5));
            // Farther up the slope the trees stand farther off, in thicker air.
            const double far = look_.treeHaze * (1 - SmoothStep(0, 60, depth));
            s.color = Mix(s.color, look_.haze, far);
        } else {
            s = {Rock(i, x, y, depth, side), Clamp01(y + 0.5 - Crest(i))};
        }
        // Aerial perspective, and valley mist gathering below each crest.
        const double mist =
            ridge_.haze + (1 - ridge_.haze) * look_.valleyMist * SmoothStep(0, 170, depth);
        s.color = Mix(s.color, look_.haze, mist);
        return s;
    }

private:
    Rgb Rock(int i, double x, double y, double depth, double side) const {
        const double g = ridge_.grain;
        // Spurs run down from every peak and broaden with depth: the crest's slope, averaged
        // over a reach that grows as the face falls away, turns each face to or from the sun.
        const double spur = 0.75 * Slope(i, 6 + 0.7 * depth) + 0.5 * Slope(i, 28 + 1.5 * depth);
        // Rock faces and gullies: a warped relief about as tall as it is wide.
        const double wx = x + 0.8 * g * tone_.Fbm(x / (3.0 * g), y / (3.0 * g), 2);
        const double h = Relief(wx, y);
        const double hx = (Relief(wx + 2, y) - h) * g / 2;
        const double hy = (Relief(wx, y + 2) - h) * g / 2;
        const double nx = 2.0 * spur - 0.6 * hx;
        const double ny = -0.6 * hy - 0.25;
        const double lx = look_.lightSide * side;
        const double ly = look_.lightUp;
        const double lz = look_.lightFront;
        const double facing = (nx * lx + ny * ly + lz) / std::sqrt(nx * nx + ny * ny + 1);
        const double crevice = SmoothStep(-0.55, 0.25, h);
        const double light = Clamp01(0.5 + 1.15 * (facing - 0.45)) * (0.7 + 0.3 * crevice);
        Rgb c = Mix(ridge_.shadow, ridge_.lit, light);
        c = c * (0.94 + 0.1 * tone_.Fbm(x / 260.0 + 7, y / 180.0, 3));
        if (ridge_.snowRow > 0) {
            // Snow lies above a ragged line and slides off the steep faces.
            const double line =
                ridge_.snowRow + 55 * tone_.Fbm(x / 70.0, y / 60.0 + 9, 4) + 30 * h - depth * 0.12;
            const double steep = std::hypot(nx, ny + 0.25);
            const double snow =
                SmoothStep(line + 7, line - 7, y) * (1 - SmoothStep(0.9, 1.8, steep));
            c = Mix(c, Mix(look_.snowShade, look_.snowLit, Clamp01(light * 1.25)), snow);
        }
        return c;
    }

    // Hill line fall per unit to the right, averaged over about `reach` units on each side.
    double Slope(int i, double reach) const {
        const double columns = reach * kPanoramaTexelsPerUnit;
        const double whole = std::floor(columns);
        const double a = SlopeOver(i, int(whole));
        const double b = SlopeOver(i, int(whole) + 1);
        return (a + (b - a) * (columns - whole)) * kPanoramaTexelsPerUnit;
    }
    double SlopeOver(int i, int reach) const {
        const int last = int(hill_.size()) - 1;
        const int l = std::max(i - reach, 0);
        const int r = std::min(i + reach, last);
        if (r == l)
            return 0;
        const double left = (sums_[std::size_t(i + 1)] - sums_[std::size_t(l)]) / (i + 1 - l);
        const double right = (sums_[std::size_t(r + 1)] - sums_[std::size_t(i)]) / (r + 1 - i);
        return (right - left) / ((r - l) / 2.0);
    }
    // Octaves of value noise whose lattices are turned against each other: seen texel for
    // pixel in a maximised window, aligned lattices show as a grid of square cells.
    double Relief(double x, double y) const {
        // Cosine and sine of 0.3 + 1.2 k radians.
        static constexpr std::array<std::array<double, 2>, 5> kTurn{
            {{0.955, 0.296}, {0.071, 0.997}, {-0.904, 0.427}, {-0.726, -0.688}, {0.378, -0.926}}};
        double u = x / ridge_.grain;
        double v = y / ridge_.grain;
        double sum = 0;
        double weight = 1;
        double total = 0;
        for (std::size_t i = 0; i < kTurn.size(); ++i) {
            const auto [c, s] = kTurn[i];
            sum += weight * rock_.At(u * c - v * s, u * s + v * c + 17.31 * double(i));
            total += weight;
            weight *= 0.5;
            u *= 2.03;
            v *= 2.03;
        }
        return sum / total;
    }

    const RidgeLook& ridge_;
    const MountainLook& look_;
    const SkyLook& sky_;
    std::vector<double> hill_;
    std::vector<double> crest_;
    std::vector<double> sums_;
    std::optional<Canopy> canopy_;
    Noise rock_;
    Noise tone_;
};

} // namespace

QImage PaintMountainPanorama(const Look& look) {
    QImage image(kColumns, kPanoramaHeight, QImage::Format_RGB32);
    std::vector<RidgeShape> ridges;
    ridges.reserve(look.mountains.ridges.size());
    for (const RidgeLook& ridge : look.mountains.ridges)
        ridges.emplace_back(ridge, look.mountains, look.sky);
    const Clouds clouds(look.clouds, look.sky);
    std::vector<QRgb*> rows;
    for (int y = 0; y < kPanoramaHeight; ++y)
        rows.push_back(reinterpret_cast<QRgb*>(image.scanLine(y)));
    auto paintRow = [&](int y) {
        for (int i = 0; i < kColumns; ++i) {
            // Nearer ridges cover farther ones; where a crest or a tree top only partly covers
            // a texel, what lies behind shows through.
            Rgb sum;
            double cover = 0;
            for (int r = int(ridges.size()) - 1; r >= 0 && cover < 0.999; --r) {
                const RidgeShape& ridge = ridges[std::size_t(r)];
                if (y + 0.5 < ridge.Crest(i))
                    continue;
                const Canopy::Sample s = ridge.At(i, y);
                const double w = (1 - cover) * s.cover;
                sum = sum + s.color * w;
                cover += w;
            }
            if (cover < 0.999) {
                const double x = ColumnX(i);
                sum = sum + clouds.Over(SkyAt(look.sky, x, y), x, y) * (1 - cover);
            }
            rows[std::size_t(y)][i] = sum.ToQRgb();
        }
    };
    // Every row depends on the shapes alone, so the rows are shared out among the cores.
    const int workers = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    std::vector<std::thread> threads;
    for (int t = 1; t < workers; ++t)
        threads.emplace_back([&, t] {
            for (int y = t; y < kPanoramaHeight; y += workers)
                paintRow(y);
        });
    for (int y = 0; y < kPanoramaHeight; y += workers)
        paintRow(y);
    for (std::thread& t : threads)
        t.join();
    return image;
}

} // namespace kluvian::areagen
