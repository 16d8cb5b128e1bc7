// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace kluvian::areagen {

// A fixed-seed pseudo-random source whose values are derived from the raw 32-bit outputs
// of mt19937 only, so every standard library produces the same sequence.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}

    std::uint32_t Next() { return std::uint32_t(engine_()); }
    // Uniform in [0, 1).
    double Unit() { return double(Next()) / 4294967296.0; }
    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform integer in [0, n); n > 0.
    int Below(int n) { return int(Unit() * n); }
    bool Chance(double p) { return Unit() < p; }

private:
    std::mt19937 engine_;
};

} // namespace kluvian::areagen
