// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <cstdint>

namespace kluvian {

// A clock that only moves when told to.
class FakeClock final : public Clock {
public:
    std::uint32_t tick = 0;
    std::uint32_t timeOfDay = 0;
    double steady = 0;
    std::uint32_t TickCount() const override { return tick; }
    std::uint32_t TimeOfDayMs() const override { return timeOfDay; }
    double SteadyMilliseconds() const override { return steady; }
};

} // namespace kluvian
