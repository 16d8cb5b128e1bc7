// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Gunshot.h"

#include "areagen/Rng.h"
#include "areagen/Wav.h"

#include <algorithm>
#include <cmath>

namespace kluvian::areagen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The blast itself: a crack, a burst of noise that darkens as it dies, and a low thump.
std::vector<double> Blast(std::size_t length) {
    Rng rng(99);
    std::vector<double> out(length);
    double low = 0;
    double lower = 0;
    double phase = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const double t = double(i) / kSampleRate;
        const double noise = rng.Range(-1, 1);
        const double cutoff = 0.08 + 0.8 * std::exp(-t / 0.012);
        low += cutoff * (noise - low);
        lower += 0.05 * (low - lower);
        const double body =
            (0.7 * low + 0.9 * lower) * std::exp(-t / 0.07) * std::min(1.0, t / 0.0006);
        const double crack = t < 0.004 ? noise * (1 - t / 0.004) : 0;
        phase += 2 * kPi * (42 + 60 * std::exp(-t / 0.03)) / kSampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.09) * 0.9;
        out[i] = body + 0.8 * crack + thump;
    }
    return out;
}

} // namespace

std::vector<float> SynthesizeGunshot() {
    const auto length = std::size_t(0.95 * kSampleRate);
    const std::vector<double> blast = Blast(length);
    std::vector<double> mix(blast);
    // Echoes from slopes at different distances, each duller than the one before.
    const struct {
        double delay;
        double gain;
        double dull;
    } echoes[] = {{0.21, 0.34, 0.12}, {0.34, 0.2, 0.08}, {0.52, 0.12, 0.05}, {0.68, 0.06, 0.04}};
    for (const auto& e : echoes) {
        const auto offset = std::size_t(e.delay * kSampleRate);
        double state = 0;
        for (std::size_t i = 0; i + offset < length; ++i) {
            state += e.dull * (blast[i] - state);
            mix[i + offset] += e.gain * state * 2.2;
        }
    }
    double peak = 0;
    for (const double s : mix)
        peak = std::max(peak, std::abs(s));
    std::vector<float> out(length);
    const std::size_t fade = kSampleRate / 20;
    for (std::size_t i = 0; i < length; ++i) {
        const double tail = i + fade > length ? double(length - i) / fade : 1.0;
        out[i] = float(mix[i] / peak * 0.9 * tail);
    }
    return out;
}

} // namespace kluvian::areagen
