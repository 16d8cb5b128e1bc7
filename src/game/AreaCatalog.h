// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kluvian {

// A hunting area found on disk.
struct FoundArea {
    std::string name;                 // the folder's name, which is the area's
    std::string dir;                  // the folder, canonical where it exists, ending in '/'
    bool gameOwn = false;             // in the game's data folder, which moves with the program
    std::vector<std::string> missing; // MissingPictures: what the load would not find
};

// The areas in the game's data folder (dataDir) and in the player's own folder (ownDir, which
// may not exist), and the one in playedDir (an area played from a folder of its own, or
// empty) unless it is among them; every folder that IsAreaFolder. Sorted by name ignoring
// ASCII letter case, the game's own first among equal names. The game's own kGameArea is
// always there, lacking every picture when its folder is gone. Directories end in '/'.
std::vector<FoundArea> FindAreas(const std::string& dataDir, const std::string& ownDir,
                                 const std::string& playedDir = {});

// How the game's state names the area to play: empty for the game's own kGameArea, which is
// played from the data folder beside the program; the folder of any other.
std::string AreaPathOf(const FoundArea& area);

// The area of `areas` whose AreaPathOf is areaPath; areas.size() when none is.
std::size_t FindPlayed(const std::vector<FoundArea>& areas, const std::string& areaPath);

// What is remembered of a chosen area between runs: the name of one of the game's own (they
// move with the program, from a build to an installed copy), the folder of any other.
std::string RememberedAs(const FoundArea& area);

// The area to play (as AreaPathOf names it) for what was remembered: empty, the game's own,
// for nothing remembered and for anything that is no area any more.
std::string AreaToPlay(const std::string& remembered, const std::string& dataDir);

} // namespace kluvian
