// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kluvian::areagen {

// The bytes of a 16-bit PCM mono WAV file; samples in [-1, 1] are clamped and rounded.
std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate);

} // namespace kluvian::areagen

namespace kluvian::areagen {

// Every sound of the game is made at this rate.
inline constexpr int kSampleRate = 44100;

} // namespace kluvian::areagen
