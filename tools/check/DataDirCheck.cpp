// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataDirCheck.h"

#include "game/AreaFiles.h"
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
    for (fs::directory_iterator it(dataDir, error), end; !error && it != end; it.increment(error))
        if (it->is_directory(error) && IsAreaFolder(it->path().string()))
            areas.push_back(it->path().filename().string());
    if (areas.empty())
        areas.emplace_back(kGameArea);
    std::sort(areas.begin(), areas.end());
    return areas;
}

std::vector<std::string> GamePictureFiles(const std::string& dataDir, const std::string& areaDir) {
    const std::string data = WithSlash(dataDir);
    const std::string area = WithSlash(areaDir);
    std::vector<std::string> files{data + std::string(kFontFile), data + std::string(kCursorFile)};
    for (const std::string& name : AreaPictures(IniFile::Open(area + std::string(kSettingsFile))))
        files.push_back(area + name);
    return files;
}

bool CheckAreas(const std::string& dataDir, const std::vector<std::string>& areaDirs,
                std::ostream& out) {
    bool allLoad = true;
    for (std::size_t a = 0; a < areaDirs.size(); ++a) {
        std::vector<std::string> files = GamePictureFiles(dataDir, areaDirs[a]);
        // The font and the cross-hair come first and are shared: checked with the first area.
        if (a > 0)
            files.erase(files.begin(), files.begin() + 2);
        allLoad = CheckFiles(files, WithSlash(areaDirs[a]), out) && allLoad;
    }
    return allLoad;
}

bool CheckDataDir(const std::string& dataDir, std::ostream& out) {
    std::vector<std::string> areaDirs;
    for (const std::string& area : AreaFolders(dataDir))
        areaDirs.push_back(WithSlash(dataDir) + area);
    return CheckAreas(dataDir, areaDirs, out);
}

} // namespace kluvian
