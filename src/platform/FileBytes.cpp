// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileBytes.h"

#include <filesystem>
#include <fstream>

namespace kluvian {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                       std::size_t maxBytes) {
    if (!FileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0 || std::uintmax_t(size) > maxBytes)
        return std::nullopt;
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount())); // the file may have shrunk meanwhile
    return bytes;
}

} // namespace kluvian
