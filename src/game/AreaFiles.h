// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLayout.h"
#include "game/IniFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace kluvian {

// False for a flight-frame stem from settings.ini that holds a path separator ('/' or
// '\\'), ".." or a NUL byte: it could lead out of the area's folder, so it names no file.
bool StemNamesAreaFile(std::string_view stem);

// The stem of a group's flight frames, as the area's settings name it (kStemKeys), or the
// default one.
std::string FlightFrameStem(const IniFile& settings, int group);

// Every picture an area load reads, once each, by name within the area's folder and in the
// order the load reads them: the layer tiles, the cartridge, the falling birds, then the
// flight frames frame by frame, small to big, named after the stems of `settings`.
std::vector<std::string> AreaPictures(const IniFile& settings);

// Whether the folder at dir is a hunting area: it holds a settings.ini or the first layer
// tile. dir may or may not end in '/'.
bool IsAreaFolder(const std::string& dir);

// The pictures of AreaPictures that the area in dir (ending in '/') lacks: no regular file
// there, or a stem that names no file of the area. In the order the load reads them.
std::vector<std::string> MissingPictures(const std::string& dir);

} // namespace kluvian
