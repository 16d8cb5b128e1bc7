// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Instruments.h"
#include "areagen/Look.h"

namespace kluvian::areagen {

// At least this long, so the music outlasts a 90-second game; longer at a slow tempo.
inline constexpr double kMusicSeconds = 100.0;

// The area's tune: a mountain-folk dance for fiddle and flute over plucked bass, zither
// chords, frame drum and shaker, with a little room reverb, at the look's tempo and in its
// key. Peaks within [-0.9, 0.9].
Stereo ComposeMusic(const MusicLook& look);

} // namespace kluvian::areagen
