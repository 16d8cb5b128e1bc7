// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kluvian {

// The program's embedded picture resources, looked up by name and type ("BMP", "JPEG",
// "TGA"). The program carries none, so every lookup finds nothing; the loaders' resource
// mode goes through here all the same.
class EmbeddedResources {
public:
    std::optional<std::span<const std::uint8_t>> Find(std::string_view name,
                                                      std::string_view type) const {
        (void)name;
        (void)type;
        return std::nullopt;
    }

    // The resource name of a file name: everything before its first '.', directory part
    // included; empty when there is no '.'.
    static std::string NameOf(const std::string& fileName) {
        const auto dot = fileName.find('.');
        return dot == std::string::npos ? std::string() : fileName.substr(0, dot);
    }
};

} // namespace kluvian
