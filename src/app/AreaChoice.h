// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaCatalog.h"
#include "platform/PlayerSettings.h"
#include "scores/ScoreFilePlace.h"

#include <string>
#include <string_view>

namespace kluvian {

// The key under which the player's chosen area is kept.
inline constexpr std::string_view kAreaSetting = "area";

// The area a run plays, as GameState::areaPath names it: the folder given on the command line
// (canonical, ending in '/') when there is one, else the area the player chose last while it
// is still an area, else the game's own (empty).
std::string StartingArea(const std::string& commandLineArea, const PlayerSettings& settings,
                         const std::string& dataDir);

// Keeps the choice for the runs to come; false when it could not be written.
bool RememberArea(PlayerSettings& settings, const FoundArea& area);

// Where the table of the area at areaPath (as GameState::areaPath names it) is read and kept:
// the game's own table for the game's own area, a table of the area's own for any other.
// exeDir and userDir end in '/'; userDir may be empty.
ScoreFilePlace ScoresOfArea(const std::string& areaPath, const std::string& exeDir,
                            const std::string& userDir);

} // namespace kluvian
