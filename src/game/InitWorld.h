// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "game/PictureSlot.h"

#include <functional>
#include <string>

namespace kluvian {

// Loads the picture at path into the slot; leaves the slot alone when the picture is
// missing (after reporting it) and may throw on a damaged file.
using PictureLoadFn = std::function<void(const std::string& path, PictureSlot slot)>;

// Prepares a fresh world once the drawing can take pictures: reseeds
// the generator, sets ExeDir (a non-empty one gets a trailing '/' when it lacks it), loads the
// shared font and cross-hair pictures, resets the cross-hair and clock fields and creates the
// thirty birds with their Id and Size. An exception from loadPicture propagates, but the birds
// are created first, so a world is never left with birds that picking could not tell apart.
void InitWorld(World& world, const std::string& exeDir, const PictureLoadFn& loadPicture);

} // namespace kluvian
