// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kluvian::areagen {

// The colours of the head-up display texts, red, green and blue 0..1 each.
struct HudColors {
    double score[3] = {1.0, 0.86, 0.35};
    double time[3] = {0.78, 0.92, 1.0};
    double help[3] = {1.0, 0.62, 0.2};
    double fps[3] = {0.86, 0.9, 0.8};
};

// Every file of the data directory, keyed by its path relative to it ("BlueMountains/ammo.tga").
using FileSet = std::map<std::string, std::vector<std::uint8_t>>;

// The pictures (font, cross-hair, icon, layers, cartridge, birds) and settings.ini.
FileSet BuildPictures();
// The shot sound and the music.
FileSet BuildSounds();
// The text of the area's settings.ini.
std::string SettingsIni(const HudColors& colors);

// Writes the whole data directory into outDir, creating it as needed. Throws
// std::runtime_error when a file cannot be written.
void WriteDataSet(const std::string& outDir);

} // namespace kluvian::areagen
