#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kluvian {

// The whole content of a file opened for reading only, or nothing when it cannot be opened
// or read. Throws std::bad_alloc when the content does not fit in memory.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

// True when a regular file (or a link to one) exists at the path.
bool PictureFileExists(const std::string& path);

} // namespace kluvian
