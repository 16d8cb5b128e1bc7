// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kluvian {

// Reads a 32-bit signed integer written as optional leading blanks, an optional sign, then
// decimal digits or a hexadecimal number (digits of either case) after "$" or "0x" (a
// lower-case x only), with nothing after it. Nothing when the text is anything else or its value
// lies outside the 32-bit signed range (hexadecimal included: "$80000000" is refused, "-$80000000"
// accepted).
std::optional<std::int32_t> ParseInteger(std::string_view text);

} // namespace kluvian
