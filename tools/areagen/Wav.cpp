// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Wav.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace kluvian::areagen {

namespace {

void Put(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    Put(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, 1, 2); // mono
    Put(out, std::uint32_t(sampleRate), 4);
    Put(out, std::uint32_t(sampleRate * 2), 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    Put(out, "data");
    Put(out, dataBytes, 4);
    for (const float s : samples) {
        const auto v = std::int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        Put(out, std::uint16_t(v), 2);
    }
    return out;
}

} // namespace kluvian::areagen
