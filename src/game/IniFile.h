// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace kluvian {

// An INI file read once, in the usual layout: "[section]" lines, then "key=value" lines
// whose key and value are trimmed of blanks whatever their indent; a line whose first
// non-blank character is ';' or '#' is a comment, anywhere else those characters are part
// of the value; lines end in LF, CR LF or CR and may be of any length. Sections and keys
// are compared without regard to case; the first value of a key wins.
class IniFile {
public:
    // A larger file is not a settings file: it reads as empty, as does anything that is
    // not a regular file (a FIFO or a device would hang or never end).
    static constexpr std::size_t kMaxFileSize = 1 << 20;

    // A missing, unreadable or oversized file reads as empty.
    static IniFile Open(const std::string& path);
    static IniFile Parse(std::string_view text);

    // The value, or the default when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as a finite decimal number; the default when missing, empty, not a number,
    // infinite, NaN or out of the range of a double.
    double ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

private:
    std::map<std::string, std::string> values_; // "section\nkey", lower-cased
};

} // namespace kluvian
