// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFilePlace.h"

#include "platform/FileBytes.h"
#include "platform/SafeFile.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace kluvian {
namespace {

const std::string kFileName = "wynik.ok";

// FNV-1a: short, stable from build to build and from machine to machine.
std::uint32_t PathHash(std::string_view path) {
    std::uint32_t hash = 2166136261u;
    for (const char c : path)
        hash = (hash ^ std::uint8_t(c)) * 16777619u;
    return hash;
}

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

ScoreFilePlace AreaScoreFilePlace(const std::string& areaDir, const std::string& userDir) {
    if (userDir.empty())
        return {areaDir + kFileName, areaDir + kFileName};
    std::string_view folder = areaDir;
    while (!folder.empty() && folder.back() == '/')
        folder.remove_suffix(1);
    const std::string name(folder.substr(folder.rfind('/') + 1));
    char hash[9];
    std::snprintf(hash, sizeof hash, "%08x", unsigned(PathHash(areaDir)));
    const std::string file = userDir + "areas/" + name + "-" + hash + ".ok";
    return {file, file};
}

} // namespace kluvian
