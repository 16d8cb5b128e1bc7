// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Noise.h"

#include <cmath>

namespace kluvian::areagen {

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

double Noise::Lattice(std::int64_t x, std::int64_t y) const {
    std::uint64_t h = std::uint64_t(x) * 0x9E3779B97F4A7C15ull ^
                      std::uint64_t(y) * 0xC2B2AE3D27D4EB4Full ^
                      std::uint64_t(seed_) * 0x165667B19E3779F9ull;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return double(h >> 11) / double(1ull << 52) - 1.0;
}

double Noise::At(double x) const {
    return At(x, 0.5);
}

double Noise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = std::int64_t(fx);
    const auto iy = std::int64_t(fy);
    const double u = Fade(x - fx);
    const double v = Fade(y - fy);
    const double a = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * u;
    const double b = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * u;
    return a + (b - a) * v;
}

double Noise::Fbm(double x, int octaves) const {
    return Fbm(x, 0.5, octaves);
}

double Noise::Fbm(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * At(x, y + 17.31 * i);
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double Noise::Ridged(double x, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        const double n = 1.0 - std::abs(At(x, 3.7 + 11.3 * i));
        sum += weight * n * n;
        total += weight;
        weight *= 0.5;
        x *= 2.07;
    }
    return sum / total;
}

} // namespace kluvian::areagen
