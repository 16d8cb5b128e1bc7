// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace kluvian::areagen {

// A shotgun report with a short echo from the mountains: mono samples at kSampleRate,
// under one second, peaks within [-0.9, 0.9].
std::vector<float> SynthesizeGunshot();

} // namespace kluvian::areagen
