// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kluvian {

// The help window's text in the player's language, its lines separated by '\n'. In Polish,
// one line per line of the memo; blanks at either end of a line belong to it.
QString HelpText();

} // namespace kluvian
