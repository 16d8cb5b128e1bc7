// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the settings reader: whatever the bytes, every value comes back
// trimmed and on one line, and every number is finite.
#include "game/IniFile.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kluvian::IniFile ini = kluvian::IniFile::Parse(text);
    for (const char* section : {"colors", "chicken"})
        for (const char* key : {"scoreR", "smallChickenTextures", "a"}) {
            const std::string value = ini.ReadString(section, key, {});
            if (value.find_first_of("\r\n") != std::string::npos ||
                (!value.empty() && (std::isspace(static_cast<unsigned char>(value.front())) ||
                                    std::isspace(static_cast<unsigned char>(value.back())))))
                std::abort();
            if (!std::isfinite(ini.ReadFloat(section, key, 0)))
                std::abort();
        }
    return 0;
}
