// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/IniFile.h"

#include "platform/FileBytes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kluvian {
namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string KeyOf(std::string_view section, std::string_view key) {
    return Lower(section) + '\n' + Lower(key);
}

std::string_view Trimmed(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\v\f";
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

IniFile IniFile::Open(const std::string& path) {
    const auto bytes = ReadFileBytes(path, kMaxFileSize);
    if (!bytes)
        return {};
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    if (text.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte-order mark written by some editors
        text.remove_prefix(3);
    std::string section;
    while (!text.empty()) {
        const auto end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end);
        if (text.starts_with("\r\n"))
            text.remove_prefix(2);
        else if (!text.empty())
            text.remove_prefix(1);

        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string_view::npos)
                section = Trimmed(line.substr(1, close - 1));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (!key.empty())
            ini.values_.try_emplace(KeyOf(section, key), Trimmed(line.substr(equals + 1)));
    }
    return ini;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const auto it = values_.find(KeyOf(section, key));
    return it == values_.end() ? std::string(defaultValue) : it->second;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key,
                          double defaultValue) const {
    const std::string text = ReadString(section, key, {});
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && *first == '+' && text.size() > 1 && text[1] != '-')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    // from_chars also takes "inf" and "nan", which are no colour intensity.
    if (text.empty() || ec != std::errc{} || end != last || !std::isfinite(value))
        return defaultValue;
    return value;
}

} // namespace kluvian
