// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Instruments.h"

#include <cstdint>
#include <vector>

namespace kluvian::areagen {

// The mix as an MP3 file: stereo, kSampleRate, 128 kbit/s constant bit rate. Throws
// std::runtime_error when the encoder fails.
std::vector<std::uint8_t> EncodeMp3(const Stereo& mix);

} // namespace kluvian::areagen
