// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Instruments.h"

#include "areagen/Rng.h"
#include "areagen/Wav.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kluvian::areagen {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::size_t Frame(double seconds) {
    return std::size_t(std::max(0.0, seconds) * kSampleRate);
}

// The band-limiting correction of a sawtooth's jump.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double Envelope(double t, double length, double attack, double release) {
    if (t < attack)
        return t / attack;
    if (t > length)
        return std::max(0.0, 1 - (t - length) / release);
    return 1;
}

} // namespace

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

void AddFiddle(Stereo& mix, double start, double length, double hz, double gain, double pan) {
    const double release = 0.09;
    const std::size_t first = Frame(start);
    const std::size_t count = Frame(length + release);
    Rng rng(std::uint32_t(hz * 1000 + start * 10));
    double phase = 0;
    double low1 = 0;
    double low2 = 0;
    double bow = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double vibrato = 1 + 0.0045 * std::min(1.0, t / 0.25) * std::sin(2 * kPi * 5.6 * t);
        const double dt = hz * vibrato / kSampleRate;
        phase += dt;
        if (phase >= 1)
            phase -= 1;
        const double saw = 2 * phase - 1 - PolyBlep(phase, dt);
        low1 += 0.32 * (saw - low1);
        low2 += 0.5 * (low1 - low2);
        bow += 0.2 * (rng.Range(-1, 1) - bow);
        const double swell = 0.8 + 0.2 * std::sin(kPi * std::min(1.0, t / std::max(length, 0.05)));
        const double env = Envelope(t, length, 0.035, release) * swell;
        mix.Add(first + i, (0.75 * low2 + 0.25 * low1 + 0.05 * bow) * env * gain, pan);
    }
}

void AddFlute(Stereo& mix, double start, double length, double hz, double gain, double pan) {
    const double release = 0.12;
    const std::size_t first = Frame(start);
    const std::size_t count = Frame(length + release);
    Rng rng(std::uint32_t(hz * 777 + start * 10));
    double phase = 0;
    double breath = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double vibrato = 1 + 0.003 * std::min(1.0, t / 0.4) * std::sin(2 * kPi * 4.8 * t);
        phase += hz * vibrato / kSampleRate;
        phase -= std::floor(phase);
        breath += 0.08 * (rng.Range(-1, 1) - breath);
        const double tone = std::sin(2 * kPi * phase) + 0.22 * std::sin(4 * kPi * phase) +
                            0.06 * std::sin(6 * kPi * phase);
        const double env = Envelope(t, length, 0.06, release);
        mix.Add(first + i, (tone + 0.9 * breath) * env * gain, pan);
    }
}

void AddPluck(Stereo& mix, double start, double length, double hz, double gain, double pan,
              double brightness, std::uint32_t seed) {
    Rng rng(seed);
    const auto period = std::max<std::size_t>(2, std::size_t(kSampleRate / hz));
    std::vector<double> line(period);
    double smooth = 0;
    for (double& v : line) {
        smooth += brightness * (rng.Range(-1, 1) - smooth);
        v = smooth;
    }
    const std::size_t first = Frame(start);
    const std::size_t count = Frame(length);
    const double decay = std::pow(0.001, 1.0 / (length * hz)); // -60 dB over the length
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t next = (at + 1) % period;
        const double out = line[at];
        line[at] = 0.5 * (line[at] + line[next]) * decay;
        at = next;
        const double fade = i + 256 > count ? double(count - i) / 256 : 1.0;
        mix.Add(first + i, out * gain * fade, pan);
    }
}

void AddDrum(Stereo& mix, double start, double gain, double pan) {
    const std::size_t first = Frame(start);
    const std::size_t count = Frame(0.45);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        phase += (70 + 90 * std::exp(-t / 0.025)) / kSampleRate;
        const double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.11);
        mix.Add(first + i, std::sin(2 * kPi * phase) * env * gain, pan);
    }
}

void AddShaker(Stereo& mix, double start, double gain, double pan, std::uint32_t seed) {
    Rng rng(seed);
    const std::size_t first = Frame(start);
    const std::size_t count = Frame(0.09);
    double prev = 0;
    double low = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double noise = rng.Range(-1, 1);
        const double high = noise - prev; // only the hiss
        prev = noise;
        low += 0.5 * (high - low);
        const double env = std::min(1.0, t / 0.012) * std::exp(-t / 0.025);
        mix.Add(first + i, low * env * gain, pan);
    }
}

void AddReverb(Stereo& mix, double wet) {
    // Parallel damped combs into two all-passes per channel, the right one slightly longer.
    const std::array<std::size_t, 4> combs{1557, 1617, 1491, 1422};
    const std::array<std::size_t, 2> passes{556, 441};
    for (int channel = 0; channel < 2; ++channel) {
        std::vector<float>& signal = channel == 0 ? mix.left : mix.right;
        const std::size_t spread = channel == 0 ? 0 : 23;
        std::vector<double> out(signal.size(), 0.0);
        for (const std::size_t length : combs) {
            std::vector<double> line(length + spread, 0.0);
            double damp = 0;
            std::size_t at = 0;
            for (std::size_t i = 0; i < signal.size(); ++i) {
                const double delayed = line[at];
                damp += 0.35 * (delayed - damp);
                line[at] = signal[i] * 0.25 + damp * 0.8;
                out[i] += delayed;
                at = (at + 1) % line.size();
            }
        }
        for (const std::size_t length : passes) {
            std::vector<double> line(length + spread, 0.0);
            std::size_t at = 0;
            for (double& v : out) {
                const double delayed = line[at];
                line[at] = v + delayed * 0.5;
                v = delayed - v * 0.5;
                at = (at + 1) % line.size();
            }
        }
        for (std::size_t i = 0; i < signal.size(); ++i)
            signal[i] = float(signal[i] * (1 - wet * 0.5) + out[i] * wet);
    }
}

} // namespace kluvian::areagen
