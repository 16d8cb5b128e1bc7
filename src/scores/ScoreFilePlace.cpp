// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFilePlace.h"

#include "platform/FileBytes.h"
#include "platform/SafeFile.h"

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
    // Someone else's link: a table the player may neither read nor write.
    const bool foreign = HasForeignLink(beside.saveTo);
    const bool besideExists = !foreign && FileExists(beside.saveTo);
    if (userDir.empty() ||
        (!foreign && (besideExists ? canWrite(beside.saveTo) : canWrite(exeDir))))
        return beside;
    const std::string own = userDir + kFileName;
    if (FileExists(own) || !besideExists)
        return {own, own};
    return {beside.loadFrom, own};
}

} // namespace kluvian
