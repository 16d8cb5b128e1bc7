// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kluvian {

// The directory of the running executable, with a trailing '/'. Needs a QCoreApplication.
std::string ExecutableDir();

// The player's own data folder for the game, $XDG_DATA_HOME/kluvian/ (by default
// ~/.local/share/kluvian/), with a trailing '/'; it may not exist yet. Empty when the
// system names none. Needs a QCoreApplication.
std::string UserDataDir();

// Whether this process may write the existing file at path, or create files in the
// existing folder at path. False when nothing is there.
bool CanWrite(const std::string& path);

} // namespace kluvian
