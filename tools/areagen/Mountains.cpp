#include "areagen/Mountains.h"

#include "areagen/Color.h"
#include "areagen/Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kluvian::areagen {

namespace {

constexpr double kSunX = 2430;
constexpr double kSunY = 500;

struct Ridge {
    double base;      // typical crest row
    double height;    // how far peaks rise above it
    double scale;     // texels per feature of the crest
    double peakiness; // 0 rolling hills .. 1 jagged peaks
    double trees;     // height of the tree-top fringe on the crest
    Rgb shadow;       // the face turned away from the sun
    Rgb lit;          // the face turned towards it
    double haze;      // how much the air already veils the ridge
    double snowRow;   // rows above this carry snow; 0 for none
    double grain;     // texels per rock face or tree crown
    std::uint32_t seed;
};

// Farther ridges are paler and bluer; the nearest two are wooded.
const std::array<Ridge, 5> kRidges{{
    {610, 250, 520, 1.0, 0, {92, 112, 156}, {176, 188, 208}, 0.30, 505, 60, 11},
    {690, 170, 380, 0.8, 0, {64, 84, 126}, {150, 162, 184}, 0.22, 585, 52, 23},
    {770, 120, 300, 0.5, 0, {48, 70, 104}, {118, 134, 156}, 0.16, 0, 44, 37},
    {850, 90, 260, 0.3, 7, {34, 62, 80}, {82, 110, 110}, 0.14, 0, 9, 41},
    {930, 60, 220, 0.2, 9, {20, 44, 52}, {56, 86, 76}, 0.08, 0, 7, 53},
}};

const Rgb kHaze{196, 210, 228};

Rgb SkyAt(double x, double y) {
    const double v = (y - kFirstVisibleRow) / 768.0; // 0 at the top of the view
    const Rgb zenith{38, 88, 168};
    const Rgb high{74, 134, 206};
    const Rgb low{160, 196, 230};
    const Rgb horizon{236, 222, 200};
    Rgb c = v < 0      ? Mix(zenith, high, Clamp01(v + 1.0 / 3) * 3)
            : v < 0.45 ? Mix(high, low, v / 0.45)
                       : Mix(low, horizon, Clamp01((v - 0.45) / 0.25));
    const double d = std::hypot((x - kSunX) * 0.8, y - kSunY);
    const double glow = 0.55 * std::exp(-d / 90.0) + 0.35 * std::exp(-d / 320.0);
    c = Mix(c, Rgb{255, 236, 196}, Clamp01(glow));
    if (d < 30)
        c = Mix(c, Rgb{255, 252, 236}, SmoothStep(30, 26, d));
    return c;
}

class Clouds {
public:
    Clouds() : noise_(7), wisps_(8) {}

    Rgb Over(Rgb sky, double x, double y) const {
        const double d = Density(x, y);
        const double above = Density(x + 6, y - 14);
        const double cirrus = Cirrus(x, y);
        Rgb c = Mix(sky, Rgb{250, 248, 244}, cirrus * 0.55);
        if (d <= 0)
            return c;
        const double sun = std::exp(-std::hypot(x - kSunX, y - kSunY) / 400.0);
        // White tops, cool blue-grey undersides; near the sun only a little brighter.
        const Rgb bright = Mix(Rgb{250, 251, 253}, Rgb{255, 253, 246}, sun);
        const Rgb shade = Mix(Rgb{166, 180, 206}, Rgb{196, 208, 226}, sun);
        const Rgb cloud = Mix(bright, shade, Clamp01(above * 1.3 - 0.1));
        return Mix(c, cloud, Clamp01(d * 1.6));
    }

private:
    double Density(double x, double y) const {
        // Two bands of fair-weather clouds over the ridges.
        const double band = std::exp(-std::pow((y - 470) / 70, 2)) * 0.9 +
                            std::exp(-std::pow((y - 330) / 50, 2)) * 0.6;
        const double n = noise_.Fbm(x / 210.0, y / 70.0, 5);
        return (n + band - 0.72) * 1.8;
    }
    double Cirrus(double x, double y) const {
        if (y > 420)
            return 0;
        const double n = wisps_.Fbm(x / 500.0 + y / 300.0, y / 18.0, 4);
        return Clamp01((n - 0.25) * 2.5) * SmoothStep(420, 300, y) * SmoothStep(120, 220, y);
    }
    Noise noise_;
    Noise wisps_;
};

std::vector<double> CrestOf(const Ridge& ridge) {
    const Noise noise(ridge.seed);
    const Noise trees(ridge.seed + 100);
    std::vector<double> crest(kPanoramaWidth);
    for (int x = 0; x < kPanoramaWidth; ++x) {
        const double u = x / ridge.scale;
        const double jagged = noise.Ridged(u, 6);
        const double rolling = 0.5 + 0.5 * noise.Fbm(u * 0.7 + 40, 5);
        double rise = ridge.height *
                      (ridge.peakiness * jagged * jagged * 1.3 + (1 - ridge.peakiness) * rolling);
        if (ridge.trees > 0) {
            const double t = std::abs(std::sin(x * 0.42 + 4 * trees.At(x / 30.0)));
            rise += ridge.trees * std::pow(t, 4) * (0.6 + 0.4 * trees.At(x / 9.0));
        }
        crest[x] = ridge.base - rise;
    }
    return crest;
}

// A ridge with its crest line and running sums of it, so that the crest's slope averaged over
// any reach costs the same.
class RidgeShape {
public:
    explicit RidgeShape(const Ridge& ridge)
        : ridge_(ridge), crest_(CrestOf(ridge)), sums_(crest_.size() + 1, 0.0),
          rock_(ridge.seed + 500), tone_(ridge.seed + 600) {
        for (std::size_t x = 0; x < crest_.size(); ++x)
            sums_[x + 1] = sums_[x] + crest_[x];
    }

    double Crest(int x) const { return crest_[std::size_t(x)]; }

    // The colour of the ridge's face at a pixel on or below its crest.
    Rgb At(int x, int y) const {
        const double depth = std::max(y - Crest(x), 0.0);
        const double g = ridge_.grain;
        // Spurs run down from every peak and broaden with depth: the crest's slope, averaged
        // over a reach that grows as the face falls away, turns each face to or from the sun.
        const double minReach = ridge_.trees > 0 ? 14 : 6;
        const double spur = 0.75 * Slope(x, minReach + 0.7 * depth) +
                            0.5 * Slope(x, 3 * minReach + 10 + 1.5 * depth);
        // Rock faces and gullies: a warped relief about as tall as it is wide.
        const double wx = x + 0.8 * g * tone_.Fbm(x / (3.0 * g), y / (3.0 * g), 2);
        const double h = Relief(wx, y);
        const double hx = (Relief(wx + 2, y) - h) * g / 2;
        const double hy = (Relief(wx, y + 2) - h) * g / 2;
        const double nx = 2.0 * spur - 0.6 * hx;
        const double ny = -0.6 * hy - 0.25;
        // The sun stands low in the right part of the sky: faces on its side catch the light.
        const double side = std::tanh((kSunX - x) / 260.0);
        const double lx = 0.8 * side;
        const double ly = -0.45;
        const double lz = 0.55;
        const double facing = (nx * lx + ny * ly + lz) / std::sqrt(nx * nx + ny * ny + 1);
        const double crevice = SmoothStep(-0.55, 0.25, h);
        double light = Clamp01(0.5 + 1.15 * (facing - 0.45)) * (0.7 + 0.3 * crevice);
        Rgb c = Mix(ridge_.shadow, ridge_.lit, light);
        c = c * (0.94 + 0.1 * tone_.Fbm(x / 260.0 + 7, y / 180.0, 3));
        if (ridge_.snowRow > 0) {
            // Snow lies above a ragged line and slides off the steep faces.
            const double line =
                ridge_.snowRow + 55 * tone_.Fbm(x / 70.0, y / 60.0 + 9, 4) + 30 * h - depth * 0.12;
            const double steep = std::hypot(nx, ny + 0.25);
            const double snow =
                SmoothStep(line + 7, line - 7, y) * (1 - SmoothStep(0.9, 1.8, steep));
            const Rgb snowLit{252, 252, 255};
            const Rgb snowShade{150, 168, 206};
            c = Mix(c, Mix(snowShade, snowLit, Clamp01(light * 1.25)), snow);
        }
        // Aerial perspective, and valley mist gathering below each crest.
        const double mist = ridge_.haze + (1 - ridge_.haze) * 0.55 * SmoothStep(0, 170, depth);
        return Mix(c, kHaze, mist);
    }

private:
    // Crest fall per texel to the right, averaged over about `reach` texels on each side.
    double Slope(int x, double reach) const {
        const double whole = std::floor(reach);
        const double a = SlopeOver(x, int(whole));
        const double b = SlopeOver(x, int(whole) + 1);
        return a + (b - a) * (reach - whole);
    }
    double SlopeOver(int x, int reach) const {
        const int last = int(crest_.size()) - 1;
        const int l = std::max(x - reach, 0);
        const int r = std::min(x + reach, last);
        if (r == l)
            return 0;
        const double left = (sums_[std::size_t(x + 1)] - sums_[std::size_t(l)]) / (x + 1 - l);
        const double right = (sums_[std::size_t(r + 1)] - sums_[std::size_t(x)]) / (r + 1 - x);
        return (right - left) / ((r - l) / 2.0);
    }
    double Relief(double x, double y) const {
        return rock_.Fbm(x / ridge_.grain, y / ridge_.grain, 5);
    }

    const Ridge& ridge_;
    std::vector<double> crest_;
    std::vector<double> sums_;
    Noise rock_;
    Noise tone_;
};

} // namespace

QImage PaintMountainPanorama() {
    QImage image(kPanoramaWidth, kPanoramaHeight, QImage::Format_RGB32);
    std::vector<RidgeShape> ridges;
    ridges.reserve(kRidges.size());
    for (const Ridge& ridge : kRidges)
        ridges.emplace_back(ridge);
    const Clouds clouds;
    for (int y = 0; y < kPanoramaHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kPanoramaWidth; ++x) {
            // The nearest ridge that reaches this pixel decides; the one behind it only
            // shows through the antialiased crest.
            int front = -1;
            for (int i = int(ridges.size()) - 1; i >= 0; --i) {
                if (y + 0.5 >= ridges[std::size_t(i)].Crest(x)) {
                    front = i;
                    break;
                }
            }
            auto behind = [&](int i) {
                for (int k = i - 1; k >= 0; --k)
                    if (y + 0.5 >= ridges[std::size_t(k)].Crest(x))
                        return ridges[std::size_t(k)].At(x, y);
                return clouds.Over(SkyAt(x, y), x, y);
            };
            Rgb c;
            if (front < 0) {
                c = clouds.Over(SkyAt(x, y), x, y);
            } else {
                const RidgeShape& ridge = ridges[std::size_t(front)];
                c = ridge.At(x, y);
                const double cover = Clamp01(y + 0.5 - ridge.Crest(x));
                if (cover < 1)
                    c = Mix(behind(front), c, cover);
            }
            line[x] = c.ToQRgb();
        }
    }
    return image;
}

} // namespace kluvian::areagen
