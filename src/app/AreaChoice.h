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

// Where the player's own areas go, one folder each: "areas/" in the player's data folder
// (userDir, ending in '/'); empty when there is none.
std::string OwnAreasDir(const std::string& userDir);

// Keeps the choice for the runs to come; false when it could not be written.
bool RememberArea(PlayerSettings& settings, const FoundArea& area);

// The area a run plays and where its table lies, decided once for the help and the game alike,
// so that the help names the table the game uses and the game saves it where it read it. The
// area is the folder given on the command line (commandLineArea: canonical, ending in '/') when
// there is one, else the area the player chose last while it is still an area, else the game's
// own. exeDir and userDir end in '/'; userDir may be empty.
struct PlayedArea {
    std::string areaDir; // as GameState::areaPath names it
    ScoreFilePlace scores;
};
PlayedArea DecidePlayedArea(const std::string& commandLineArea, const PlayerSettings& settings,
                            const std::string& exeDir, const std::string& userDir);

// Where the table of the area at areaPath (as GameState::areaPath names it) is read and kept:
// the game's own table for the game's own area, a table of the area's own for any other.
// exeDir and userDir end in '/'; userDir may be empty.
ScoreFilePlace ScoresOfArea(const std::string& areaPath, const std::string& exeDir,
                            const std::string& userDir);

} // namespace kluvian
