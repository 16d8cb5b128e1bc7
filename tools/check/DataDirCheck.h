// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLoad.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kluvian {

// The hunting areas of a data directory, by folder name in byte order: every sub-folder that
// holds a "settings.ini" or a "backgroundLayer0.tga". BlueMountains, the game's own area, when
// none does, so that a directory without areas reports what the game misses.
std::vector<std::string> AreaFolders(const std::string& dataDir);

// Every picture the game reads from a data directory to play an area: the shared font and
// cross-hair, then what an area load of `area` reads, with the flight-frame stems from the
// area's settings.ini. Paths are dataDir joined with '/'.
std::vector<std::string> GamePictureFiles(const std::string& dataDir,
                                          std::string_view area = kAreaName);

// Decodes the shared pictures and those of every area of AreaFolders with the game's readers
// and writes one line per missing or refused picture (the game's message and caption) and per
// picture whose sides are not powers of two. Returns true when every picture loads.
bool CheckDataDir(const std::string& dataDir, std::ostream& out);

} // namespace kluvian
