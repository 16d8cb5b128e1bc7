// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace kluvian {

// The help window's text, one entry per line of its memo, in UTF-8. Blanks at either end
// of a line belong to it; empty entries are empty lines.
const std::array<std::string_view, 46>& HelpLines();

} // namespace kluvian
