// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaCatalog.h"

#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace kluvian {

class AreaPreviews;

// The pictures of the areas' panoramas for the chooser, made from the areas' own files.
std::unique_ptr<AreaPreviews> MakeAreaPreviews();

// Shows the area chooser over owner, modally, with every area of the game's data folder
// (dataDir) and of the player's own (ownDir), the one at areaPath (as GameState::areaPath
// names it) selected. The area chosen, or nothing when the player changes nothing.
std::optional<FoundArea> AskForArea(QWidget* owner, const std::string& dataDir,
                                    const std::string& ownDir, const std::string& areaPath,
                                    AreaPreviews& previews);

} // namespace kluvian
