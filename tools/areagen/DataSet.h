// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Looks.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kluvian::areagen {

// Files of the data directory, keyed by their path relative to it ("BlueMountains/ammo.tga").
using FileSet = std::map<std::string, std::vector<std::uint8_t>>;

// What all areas share: the font, the cross-hair and the application icons.
FileSet BuildSharedPictures();
// The area's pictures (layers, cartridge, birds) and its settings.ini, under its name.
FileSet BuildAreaPictures(const Area& area);
// The area's shot sound and music, under its name.
FileSet BuildAreaSounds(const Area& area);
// The text of an area's settings.ini.
std::string SettingsIni(const HudColors& colors);

// Writes the shared files and every area into outDir, creating folders as needed. Throws
// std::runtime_error when a file cannot be written.
void WriteDataSet(const std::string& outDir, const std::vector<Area>& areas);

} // namespace kluvian::areagen
