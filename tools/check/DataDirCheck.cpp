// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataDirCheck.h"

#include "game/AreaLoad.h"
#include "game/IniFile.h"
#include "textures/PictureKind.h"
#include "textures/TgaDecoder.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>

namespace kluvian {
namespace {

bool IsPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

std::string WithSlash(const std::string& dir) {
    return dir.empty() || dir.back() == '/' ? dir : dir + '/';
}

// What the game makes of the file: a name that could lead out of the area's folder is
// reported missing without being read, as the area load does.
std::optional<DecodeResult> DecodeAsTheGame(const std::string& file, const std::string& area) {
    if (file.starts_with(area) && !StemNamesAreaFile(file.substr(area.size())))
        return TgaFileNotFound(file);
    return DecodePictureFile(file);
}

// Checks the files of one area, whose folder is `area`.
bool CheckFiles(const std::vector<std::string>& files, const std::string& area, std::ostream& out) {
    bool allLoad = true;
    for (const std::string& file : files) {
        try {
            const auto result = DecodeAsTheGame(file, area);
            if (!result)
                continue; // a stem may give a name no reader takes; the game loads nothing
            if (!result->Ok()) {
                out << file << ": " << result->message << " [" << result->caption << "]\n";
                allLoad = false;
            } else if (!IsPowerOfTwo(result->picture->width) ||
                       !IsPowerOfTwo(result->picture->height)) {
                out << file << ": " << result->picture->width << " x " << result->picture->height
                    << " is not a power of two on each side\n";
            }
        } catch (const std::bad_alloc&) {
            out << file << ": Out of memory\n";
            allLoad = false;
        } catch (const std::exception& e) {
            out << file << ": " << e.what() << '\n';
            allLoad = false;
        }
    }
    return allLoad;
}

} // namespace

std::vector<std::string> AreaFolders(const std::string& dataDir) {
    namespace fs = std::filesystem;
    std::vector<std::string> areas;
    std::error_code error;
    for (fs::directory_iterator it(dataDir, error), end; !error && it != end; it.increment(error)) {
        const fs::path folder = it->path();
        if (it->is_directory(error) && (fs::exists(folder / "settings.ini", error) ||
                                        fs::exists(folder / "backgroundLayer0.tga", error)))
            areas.push_back(folder.filename().string());
    }
    if (areas.empty())
        areas.emplace_back(kAreaName);
    std::sort(areas.begin(), areas.end());
    return areas;
}

std::vector<std::string> GamePictureFiles(const std::string& dataDir, std::string_view areaName) {
    const std::string data = WithSlash(dataDir);
    const std::string area = data + std::string(areaName) + '/';
    std::vector<std::string> files{data + "font.tga", data + "cursor.tga"};
    for (int n = 0; n < 3; ++n)
        files.push_back(area + "backgroundLayer" + std::to_string(n) + ".tga");
    for (int n = 0; n < 7; ++n)
        files.push_back(area + "foregroundLayer" + std::to_string(n) + ".tga");
    files.push_back(area + "ammo.tga");
    for (const char* size : {"small", "medium", "big"})
        files.push_back(area + size + "ChickenFalling.tga");

    const IniFile settings = IniFile::Open(area + "settings.ini");
    const std::string stems[] = {
        settings.ReadString("chicken", "smallChickenTextures", "smallChickenRight"),
        settings.ReadString("chicken", "mediumChickenTextures", "mediumChickenRight"),
        settings.ReadString("chicken", "bigChickenTextures", "bigChickenRight"),
    };
    for (int f = 0; f < 6; ++f)
        for (const std::string& stem : stems)
            files.push_back(area + stem + std::to_string(f) + ".tga");
    return files;
}

bool CheckDataDir(const std::string& dataDir, std::ostream& out) {
    bool allLoad = true;
    const std::vector<std::string> areas = AreaFolders(dataDir);
    for (std::size_t a = 0; a < areas.size(); ++a) {
        const std::string area = WithSlash(dataDir) + areas[a] + '/';
        std::vector<std::string> files = GamePictureFiles(dataDir, areas[a]);
        // The font and the cross-hair come first and are shared: checked with the first area.
        if (a > 0)
            files.erase(files.begin(), files.begin() + 2);
        allLoad = CheckFiles(files, area, out) && allLoad;
    }
    return allLoad;
}

} // namespace kluvian
