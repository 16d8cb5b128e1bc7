// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyState.h"

namespace kluvian {

// Keys held only when told to, as FakeClock does for time.
class FixedKeys final : public KeyState {
public:
    bool left = false;
    bool right = false;
    bool LeftHeld() const override { return left; }
    bool RightHeld() const override { return right; }
};

} // namespace kluvian
