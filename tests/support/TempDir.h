// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <string_view>

namespace kluvian::test {

// A directory removed at the end of the test, with helpers to put files into it.
class TempDir {
public:
    // The path with a trailing '/'.
    std::string Path() const { return dir_.path().toStdString() + "/"; }
    std::string File(std::string_view name) const { return Path() + std::string(name); }
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string p = File(name);
        std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return p;
    }

private:
    QTemporaryDir dir_;
};

} // namespace kluvian::test
