#include "game/IniFile.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

namespace kluvian {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string keyOf(const std::string& section, const std::string& key) {
    return lower(section) + '\n' + lower(key);
}

} // namespace

IniFile IniFile::Open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

IniFile IniFile::Parse(const std::string& text) {
    IniFile ini;
    // The first value of a key wins, as with the usual INI readers of desktop systems.
    auto handler = [](void* user, const char* section, const char* name, const char* value) -> int {
        auto& values = static_cast<IniFile*>(user)->values_;
        values.try_emplace(keyOf(section, name), value);
        return 1;
    };
    ini_parse_string(text.c_str(), handler, &ini);
    return ini;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const auto it = values_.find(keyOf(section, key));
    return it == values_.end() ? defaultValue : it->second;
}

double IniFile::ReadFloat(const std::string& section, const std::string& key,
                          double defaultValue) const {
    const std::string text = ReadString(section, key, {});
    // The reader has trimmed the blanks; anything but a plain decimal number is the default.
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && *first == '+' && text.size() > 1 && text[1] != '-')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (text.empty() || ec != std::errc{} || end != last)
        return defaultValue;
    return value;
}

} // namespace kluvian
