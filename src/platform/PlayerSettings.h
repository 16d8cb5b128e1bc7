// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kluvian {

// What the player chose, kept between runs in a small settings file of Qt's (QSettings).
class PlayerSettings {
public:
    // The player's own: $XDG_CONFIG_HOME/kluvian/kluvian.conf (~/.config/kluvian/kluvian.conf
    // by default). Needs a QCoreApplication.
    static std::string DefaultFile();

    explicit PlayerSettings(std::string file = DefaultFile());

    // The value of key, empty when none is kept or the file cannot be read.
    std::string Read(std::string_view key) const;
    // Keeps the value at once; returns false when the file cannot be written.
    bool Write(std::string_view key, const std::string& value);

private:
    std::string file_;
};

} // namespace kluvian
