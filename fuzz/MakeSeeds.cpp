// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzz targets' seed corpus, the pictures with the tests' picture builders: DIR/tga,
// DIR/bmp, DIR/jpeg and DIR/ini.
#include "PictureBuilders.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void Put(const std::filesystem::path& dir, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-seeds DIR\n";
        return 2;
    }
    using namespace kluvian::test;
    const std::filesystem::path root = argv[1];
    const auto tga = root / "tga";
    Put(tga, "raw24", Tga(2, 4, 1, 24, "\1\2\3\4\5\6\7\10\11\12\13\14"));
    Put(tga, "raw32-topdown", Tga(2, 2, 2, 32, Repeat("\1\2\3\4", 4), 0x28));
    Put(tga, "raw24-id", Tga(2, 1, 1, 24, "\1\2\3", 0, 5));
    Put(tga, "rle24-cross-row", Tga(10, 2, 2, 24, std::string("\x82\1\2\3\0\7\10\11", 8)));
    Put(tga, "rle32-mixed", Tga(10, 16, 16, 32, "\xFF\1\2\3\4\x7F" + Repeat("\5\6\7\10", 128)));
    Put(tga, "rle24-truncated", Tga(10, 4, 4, 24, "\x85\1\2\3\x02\1\2"));
    Put(tga, "colormapped", Tga(1, 1, 1, 24, "\1\2\3", 0, 0, 1));
    const auto bmp = root / "bmp";
    Put(bmp, "plain24", Bmp(2, 2, "\1\2\3\4\5\6\7\10\11\12\13\14"));
    Put(bmp, "palette", Bmp(1, 1, std::string("\1\2\3\0", 4), 4, 2));
    Put(bmp, "short", Bmp(2, 1, "\1\2\3\4\5"));
    const auto jpeg = root / "jpeg";
    Put(jpeg, "colour",
        Jpeg(16, 16,
             Repeat(std::string("\xFF\0\0", 3), 128) + Repeat(std::string("\0\0\xFF", 3), 128)));
    Put(jpeg, "grey", Jpeg(8, 8, std::string(64, '\x80'), true));
    Put(jpeg, "odd-size", Jpeg(13, 7, Repeat("\x20\x90\x40", 91), false, 40));
    Put(jpeg, "damaged", DamagedJpeg());
    Put(root / "ini", "settings.ini",
        "[colors]\r\nscoreR = 0.5\r\n; note\r\n[chicken]\nsmallChickenTextures=bird ;x\n");
    return 0;
}
