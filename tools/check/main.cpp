// SPDX-License-Identifier: GPL-3.0-or-later
// kluvian-check: checks pictures the way the game reads them, for people who make areas.
//   kluvian-check AREA_DIR              every picture the game reads to play the area, the
//                                       shared ones from the data folder beside the checker
//   kluvian-check DATA_DIR              every picture the game reads from DATA_DIR, for
//                                       each hunting area in it
//   kluvian-check --decode PICTURE OUT  one picture decoded to OUT as PAM
#include "DataDirCheck.h"
#include "PamFile.h"

#include "game/AreaFiles.h"
#include "textures/PictureKind.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::cerr << "usage: kluvian-check AREA_DIR|DATA_DIR\n"
                 "       kluvian-check --decode PICTURE OUT.pam\n";
    return 2;
}

int Decode(const std::string& picture, const std::string& out) {
    try {
        const auto result = kluvian::DecodePictureFile(picture);
        if (!result) {
            std::cerr << picture << ": no reader takes this name (.bmp, .jpg, .tga)\n";
            return 1;
        }
        if (!result->Ok()) {
            std::cerr << result->message << " [" << result->caption << "]\n";
            return 1;
        }
        if (!kluvian::WritePam(out, *result->picture)) {
            std::cerr << out << ": cannot be written\n";
            return 2;
        }
        return 0;
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
}

// The game's data folder beside the checker, as the game keeps it beside itself.
std::string GameDataDir() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / kluvian::kDataFolder).string();
}

// The folder's own name, whatever slashes end the path.
std::string FolderName(const std::string& dir) {
    std::filesystem::path path(dir);
    if (!path.has_filename())
        path = path.parent_path();
    return path.filename().string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--decode")
        return Decode(argv[2], argv[3]);
    if (argc != 2 || std::string(argv[1]).starts_with("-"))
        return Usage();
    const std::string dir = argv[1];
    // An area's own folder, as its author has it at hand, or a whole data folder.
    std::string dataDir = dir;
    std::vector<std::string> areaDirs;
    std::vector<std::string> names;
    if (kluvian::IsAreaFolder(dir)) {
        dataDir = GameDataDir();
        areaDirs.push_back(dir);
        names.push_back(FolderName(dir));
    } else {
        names = kluvian::AreaFolders(dir);
        for (const std::string& name : names)
            areaDirs.push_back((std::filesystem::path(dir) / name).string());
    }
    const bool allLoad = kluvian::CheckAreas(dataDir, areaDirs, std::cout);
    // Says which folders were taken for areas: one that was missed is then plain to see.
    std::cout << "Areas checked:";
    for (const std::string& name : names)
        std::cout << ' ' << name;
    std::cout << (allLoad ? " (every picture loads)\n" : "\n");
    return allLoad ? 0 : 1;
}
