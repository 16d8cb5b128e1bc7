// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kluvian {

// Every picture the game reads from a data directory: the shared font and cross-hair, then
// what an area load of BlueMountains reads, with the flight-frame stems from the area's
// settings.ini. Paths are dataDir joined with '/'.
std::vector<std::string> GamePictureFiles(const std::string& dataDir);

// Decodes every picture of GamePictureFiles with the game's readers and writes one line per
// missing or refused picture (the game's message and caption) and per picture whose sides
// are not powers of two. Returns true when every picture loads.
bool CheckDataDir(const std::string& dataDir, std::ostream& out);

} // namespace kluvian
