// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace kluvian {

// Where the score table is read at start-up and written at close, decided once so that
// both use the same file.
struct ScoreFilePlace {
    std::string loadFrom; // may not exist: the table then starts from its defaults
    std::string saveTo;   // the table's home, ScoreFilePath; its folder may not exist yet
};

// canWrite(path): whether the player may write that existing file, or create files in that
// existing folder.
using CanWriteFn = std::function<bool(const std::string& path)>;

// "wynik.ok" beside the executable, for reading and writing alike.
ScoreFilePlace BesideExecutable(const std::string& exeDir);

// Beside the executable (exeDir ends in '/') when the player can write the table there: a
// wynik.ok they may write, or none yet in a folder they may write. Otherwise in userDir
// (the player's own data folder for the game, ending in '/'), starting from the table
// beside the executable until the player has one of their own. A wynik.ok that is a link of
// someone else's (HasForeignLink) is never used: the table lives in userDir from the start.
// An empty userDir keeps the table beside the executable.
ScoreFilePlace DecideScoreFilePlace(const std::string& exeDir, const std::string& userDir,
                                    const CanWriteFn& canWrite);

// The table of a hunting area played from a folder of its own (areaDir: its canonical path,
// ending in '/'): in userDir's "areas/" folder, named after the area's folder and a hash of its
// whole path, so tables of two areas of one name in different places stay apart and no area
// touches the game's wynik.ok. An empty userDir keeps it in the area's folder.
ScoreFilePlace AreaScoreFilePlace(const std::string& areaDir, const std::string& userDir);

} // namespace kluvian
