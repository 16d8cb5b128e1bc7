// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWindow>

namespace kluvian {

// Whether the pointer is over that native window itself now, on X: the window is the one the
// pointer is in, with no window of this or another program lying over that point. Asks the X
// server, one request per level of windows; false on other platforms.
bool PointerOnTop(WId window);

} // namespace kluvian
