#pragma once

#include <map>
#include <string>

namespace kluvian {

// An INI file read once: sections and keys are compared without regard to case.
// A missing file reads as empty.
class IniFile {
public:
    static IniFile Open(const std::string& path);
    static IniFile Parse(const std::string& text);

    // The value, or the default when the section or key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The value as a decimal number; the default when missing, empty or not a number.
    double ReadFloat(const std::string& section, const std::string& key, double defaultValue) const;

private:
    std::map<std::string, std::string> values_; // "section\nkey", lower-cased
};

} // namespace kluvian
