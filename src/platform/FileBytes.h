// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kluvian {

// Whole files read at once: pictures and settings. Plain C++, usable without Qt.

// True when a regular file (or a link to one) exists at the path.
bool FileExists(const std::string& path);

// The whole content of a regular file opened for reading only, or nothing when it is not a
// regular file, cannot be opened or read, or is larger than maxBytes. Throws std::bad_alloc
// when the content does not fit in memory.
std::optional<std::vector<std::uint8_t>>
ReadFileBytes(const std::string& path,
              std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

} // namespace kluvian
