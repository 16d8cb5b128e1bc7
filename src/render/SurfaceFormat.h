// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSurfaceFormat>

namespace kluvian {

// The context the game draws with: double-buffered RGBA, 8 bits a channel, 24 depth bits,
// no stencil, compatibility profile (immediate mode needs it), swap interval 1 so the
// per-frame speeds of the game follow the display's refresh.
QSurfaceFormat GameSurfaceFormat();

// Makes GameSurfaceFormat() the default for every context; call before the first window.
void UseGameSurfaceFormat();

} // namespace kluvian
