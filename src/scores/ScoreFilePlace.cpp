// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFilePlace.h"

#include "platform/Paths.h"

namespace kluvian {
namespace {

const std::string kFileName = "wynik.ok";

} // namespace

ScoreFilePlace BesideExecutable(const std::string& exeDir) {
    return {exeDir + kFileName, exeDir + kFileName};
}

ScoreFilePlace DecideScoreFilePlace(const std::string& exeDir, const std::string& userDir,
                                    const CanWriteFn& canWrite) {
    ScoreFilePlace beside = BesideExecutable(exeDir);
    const bool besideExists = FileExists(beside.saveTo);
    if (userDir.empty() || (besideExists ? canWrite(beside.saveTo) : canWrite(exeDir)))
        return beside;
    const std::string own = userDir + kFileName;
    if (FileExists(own) || !besideExists)
        return {own, own};
    return {beside.loadFrom, own};
}

} // namespace kluvian
