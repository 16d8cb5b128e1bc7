// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kluvian::test {

// An uncompressed 32-bit TGA of one colour, stored bottom-up.
inline std::string SolidTga(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                            std::uint8_t a = 255) {
    std::string bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = char(width & 0xFF);
    bytes[13] = char(width >> 8);
    bytes[14] = char(height & 0xFF);
    bytes[15] = char(height >> 8);
    bytes[16] = 32;
    bytes[17] = 8;
    for (int i = 0; i < width * height; ++i) {
        bytes += char(b);
        bytes += char(g);
        bytes += char(r);
        bytes += char(a);
    }
    return bytes;
}

// A whole data directory for the game under dir: font, cross-hair and the hunting area with
// every picture it loads, small and in plain colours, so loads are quick.
inline void WriteTestArea(const TempDir& dir) {
    std::filesystem::create_directories(dir.File("data/BlueMountains"));
    dir.Write("data/font.tga", SolidTga(16, 16, 255, 255, 255, 0));
    dir.Write("data/cursor.tga", SolidTga(8, 8, 255, 255, 255, 128));
    const std::string area = "data/BlueMountains/";
    for (int n = 0; n < 3; ++n)
        dir.Write(area + "backgroundLayer" + std::to_string(n) + ".tga",
                  SolidTga(4, 4, 40, 80, std::uint8_t(120 + 40 * n)));
    for (int n = 0; n < 7; ++n)
        dir.Write(area + "foregroundLayer" + std::to_string(n) + ".tga",
                  SolidTga(4, 4, 0, 0, 0, 0));
    dir.Write(area + "ammo.tga", SolidTga(4, 4, 200, 0, 0));
    for (const char* group : {"small", "medium", "big"}) {
        dir.Write(area + group + "ChickenFalling.tga", SolidTga(4, 4, 90, 90, 90));
        for (int f = 0; f < 6; ++f)
            dir.Write(area + group + "ChickenRight" + std::to_string(f) + ".tga",
                      SolidTga(4, 4, 10, 10, 10));
    }
}

} // namespace kluvian::test
