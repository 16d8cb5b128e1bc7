// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AreaFiles.h"

#include "platform/FileBytes.h"

namespace kluvian {

bool StemNamesAreaFile(std::string_view stem) {
    // A NUL would end the name the system sees early, so it would name another file.
    return stem.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos &&
           stem.find("..") == std::string_view::npos;
}

std::string FlightFrameStem(const IniFile& settings, int group) {
    const auto g = std::size_t(group);
    return settings.ReadString(kChickenSection, kStemKeys[g], kStemDefaults[g]);
}

std::vector<std::string> AreaPictures(const IniFile& settings) {
    std::vector<std::string> files;
    for (int n = 0; n < kBackgroundTiles; ++n)
        files.push_back(NumberedPicture(kBackgroundStem, n));
    for (int n = 0; n < kForegroundTiles; ++n)
        files.push_back(NumberedPicture(kForegroundStem, n));
    files.emplace_back(kAmmoFile);
    for (const std::string_view falling : kFallingFiles)
        files.emplace_back(falling);
    std::vector<std::string> stems;
    for (int g = 0; g < kGroups; ++g)
        stems.push_back(FlightFrameStem(settings, g));
    for (int f = 0; f < kFlightFrames; ++f)
        for (const std::string& stem : stems)
            files.push_back(NumberedPicture(stem, f));
    return files;
}

bool IsAreaFolder(const std::string& dir) {
    const std::string folder = dir.empty() || dir.back() == '/' ? dir : dir + '/';
    return FileExists(folder + std::string(kSettingsFile)) ||
           FileExists(folder + NumberedPicture(kBackgroundStem, 0));
}

std::vector<std::string> MissingPictures(const std::string& dir) {
    std::vector<std::string> missing;
    for (std::string& name : AreaPictures(IniFile::Open(dir + std::string(kSettingsFile))))
        if (!StemNamesAreaFile(name) || !FileExists(dir + name))
            missing.push_back(std::move(name));
    return missing;
}

} // namespace kluvian
