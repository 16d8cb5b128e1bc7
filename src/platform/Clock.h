// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kluvian {

// Time enters the game only through this seam, so tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps around like a 32-bit tick counter.
    virtual std::uint32_t TickCount() const = 0;
    // Time of day in UTC: milliseconds since midnight, 0 .. 86'399'999.
    virtual std::uint32_t TimeOfDayMs() const = 0;
    // A steady clock in milliseconds with a fraction, for pacing frames; its start is
    // arbitrary.
    virtual double SteadyMilliseconds() const = 0;
};

class SystemClock final : public Clock {
public:
    std::uint32_t TickCount() const override;
    std::uint32_t TimeOfDayMs() const override;
    double SteadyMilliseconds() const override;
};

} // namespace kluvian
