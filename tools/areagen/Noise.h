// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kluvian::areagen {

// Smooth value noise on an integer lattice, the same for every run with the same seed.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // In [-1, 1], continuous, one feature per unit.
    double At(double x) const;
    double At(double x, double y) const;
    // Fractal sums of octaves halving in size and in weight, normalised to about [-1, 1].
    double Fbm(double x, int octaves) const;
    double Fbm(double x, double y, int octaves) const;
    // Sharp crests: 1 - |noise| summed over octaves, in about [0, 1].
    double Ridged(double x, int octaves) const;

private:
    double Lattice(std::int64_t x, std::int64_t y) const;
    std::uint32_t seed_;
};

} // namespace kluvian::areagen
