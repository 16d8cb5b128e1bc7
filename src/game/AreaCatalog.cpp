// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AreaCatalog.h"

#include "game/AreaFiles.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace kluvian {
namespace {

namespace fs = std::filesystem;

// The folder's canonical path with a '/', or the path as given when it cannot be resolved.
std::string FolderPath(const fs::path& path) {
    std::error_code error;
    std::string dir = fs::canonical(path, error).string();
    if (error)
        dir = path.string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

FoundArea Found(const fs::path& folder, bool gameOwn) {
    FoundArea area;
    area.dir = FolderPath(folder);
    area.name = fs::path(area.dir).parent_path().filename().string();
    area.gameOwn = gameOwn;
    area.missing = MissingPictures(area.dir);
    return area;
}

void AddAreasIn(const std::string& parent, bool gameOwn, std::vector<FoundArea>& areas) {
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error))
        if (it->is_directory(error) && IsAreaFolder(it->path().string()))
            areas.push_back(Found(it->path(), gameOwn));
}

std::string Folded(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return folded;
}

bool Listed(const std::vector<FoundArea>& areas, const std::string& dir) {
    return std::any_of(areas.begin(), areas.end(),
                       [&](const FoundArea& area) { return area.dir == dir; });
}

// A folder name that stays inside the data folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace

std::vector<FoundArea> FindAreas(const std::string& dataDir, const std::string& ownDir,
                                 const std::string& playedDir) {
    std::vector<FoundArea> areas;
    AddAreasIn(dataDir, true, areas);
    const fs::path gameArea = fs::path(dataDir) / kGameArea;
    if (!Listed(areas, FolderPath(gameArea)))
        areas.push_back(Found(gameArea, true));
    if (!ownDir.empty())
        AddAreasIn(ownDir, false, areas);
    if (!playedDir.empty() && !Listed(areas, FolderPath(playedDir)))
        areas.push_back(Found(playedDir, false));
    std::sort(areas.begin(), areas.end(), [](const FoundArea& a, const FoundArea& b) {
        return std::make_tuple(Folded(a.name), !a.gameOwn, a.name, a.dir) <
               std::make_tuple(Folded(b.name), !b.gameOwn, b.name, b.dir);
    });
    return areas;
}

std::string AreaPathOf(const FoundArea& area) {
    return area.gameOwn && area.name == kGameArea ? std::string() : area.dir;
}

std::size_t FindPlayed(const std::vector<FoundArea>& areas, const std::string& areaPath) {
    const auto it = std::find_if(areas.begin(), areas.end(), [&](const FoundArea& area) {
        return AreaPathOf(area) == areaPath;
    });
    return std::size_t(it - areas.begin());
}

std::string RememberedAs(const FoundArea& area) {
    return area.gameOwn ? area.name : area.dir;
}

std::string AreaToPlay(const std::string& remembered, const std::string& dataDir) {
    std::string folder;
    if (remembered.starts_with('/'))
        folder = remembered;
    else if (IsPlainName(remembered) && remembered != kGameArea)
        folder = (fs::path(dataDir) / remembered).string();
    if (folder.empty() || !IsAreaFolder(folder))
        return {};
    return FolderPath(folder);
}

} // namespace kluvian
