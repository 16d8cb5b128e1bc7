// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLayout.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kluvian {

// The hunting areas of a data directory, by folder name in byte order: every sub-folder that
// is an area (IsAreaFolder). BlueMountains, the game's own area, when none is, so that a
// directory without areas reports what the game misses.
std::vector<std::string> AreaFolders(const std::string& dataDir);

// Every picture the game reads to play the area in areaDir: the shared font and cross-hair
// of dataDir, then what an area load reads, with the flight-frame stems from the area's
// settings.ini. Paths are the folders joined with '/'.
std::vector<std::string> GamePictureFiles(const std::string& dataDir, const std::string& areaDir);

// Decodes the shared pictures of dataDir and those of every area folder in areaDirs with the
// game's readers, and writes one line per missing or refused picture (the game's message and
// caption) and per picture whose sides are not powers of two. Returns true when every picture
// loads.
bool CheckAreas(const std::string& dataDir, const std::vector<std::string>& areaDirs,
                std::ostream& out);

// CheckAreas for every area of AreaFolders(dataDir).
bool CheckDataDir(const std::string& dataDir, std::ostream& out);

} // namespace kluvian
