// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kluvian {

// The held state of the arrow keys, as the frame's panning asks for it.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool LeftHeld() const = 0;
    virtual bool RightHeld() const = 0;
};

} // namespace kluvian
