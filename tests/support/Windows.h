// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kluvian::test {

// Asks the window system to activate window and waits until it is the application's active
// window itself; a transient window counts as active whenever its owner is, which is not
// enough for its mnemonics and shortcuts. Asks again now and then: an X server ignores a
// request older than its last change of focus, and a window manager may hand the focus over
// only once it has framed the window. False if the activation never came.
bool Activate(QWidget& window, int timeoutMs = 5000);

// Whether a client may place its windows and read back where they are. Wayland leaves both
// to the compositor.
bool WindowPositionsAreTheClients();

} // namespace kluvian::test
