// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaFiles.h"
#include "game/GameState.h"
#include "game/HuntPorts.h"
#include "game/PictureSlot.h"

#include <string>
#include <string_view>

namespace kluvian {

// What the area load needs from the windows around it. The main window implements it; the
// tests implement it with fakes.
class AreaLoadHost {
public:
    virtual ~AreaLoadHost() = default;
    // Loads a picture into the slot, freeing what the slot held before. A missing picture is
    // reported by the loader itself and leaves the slot alone; a damaged one may throw.
    virtual void LoadPicture(const std::string& path, PictureSlot slot) = 0;
    // Shows the loader's message for a missing picture at path without looking for it.
    virtual void ShowFileNotFound(const std::string& path) = 0;
    // Moves the loading gauge on by one and processes pending events, so timers, clicks and
    // frames run in between.
    virtual void ProgressStep() = 0;
    // The modal warning that at least one file of the area was not found.
    virtual void ShowMissingFileWarning() = 0;
    // Hides the loading window, shows the tool bar and unchecks the score table and help
    // menu items.
    virtual void FinishLoad() = 0;
};

// The directory of the current area's files, with a trailing '/': the game's own area in
// data/, or the areaPath of an area played from a folder of its own once it is loaded.
std::string AreaDir(const GameState& state);

// The name of the area a load loads: the game's own, or the folder name of areaPath.
std::string AreaNameOf(const GameState& state);

// Loads the area: the music (with the sound on), the pictures, the birds placed, a full
// magazine and no score. Returns true when everything was loaded, so a new game may start
// (Hunt::Load). Any exception after the settings have been read ends the load with the
// missing-file warning; the host's FinishLoad runs in every case.
bool RunAreaLoad(World& world, AreaLoadHost& host, GameSounds& sounds);

} // namespace kluvian
