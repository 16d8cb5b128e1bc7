// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kluvian {

enum class DisplayKind { X, Wayland };

// Whether the display can be opened now: connects to it and lets it go at once, printing
// nothing. name: an X display as in DISPLAY (empty opens none), or a Wayland display as in
// WAYLAND_DISPLAY (a socket's name under XDG_RUNTIME_DIR, or an absolute path).
bool CanOpenDisplay(DisplayKind kind, const std::string& name);

} // namespace kluvian
