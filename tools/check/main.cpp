// SPDX-License-Identifier: GPL-3.0-or-later
// kluvian-check: checks pictures the way the game reads them, for people who make areas.
//   kluvian-check DATA_DIR              every picture the game reads from DATA_DIR, for
//                                       each hunting area in it
//   kluvian-check --decode PICTURE OUT  one picture decoded to OUT as PAM
#include "DataDirCheck.h"
#include "PamFile.h"

#include "textures/PictureKind.h"

#include <exception>
#include <iostream>
#include <new>
#include <string>

namespace {

int Usage() {
    std::cerr << "usage: kluvian-check DATA_DIR\n"
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

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--decode")
        return Decode(argv[2], argv[3]);
    if (argc != 2 || std::string(argv[1]).starts_with("-"))
        return Usage();
    const bool allLoad = kluvian::CheckDataDir(argv[1], std::cout);
    // Says which folders were taken for areas: one that was missed is then plain to see.
    std::cout << "Areas checked:";
    for (const std::string& area : kluvian::AreaFolders(argv[1]))
        std::cout << ' ' << area;
    std::cout << (allLoad ? " (every picture loads)\n" : "\n");
    return allLoad ? 0 : 1;
}
