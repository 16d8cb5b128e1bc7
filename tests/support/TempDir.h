// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace kluvian::test {

// The whole file's bytes; empty when it cannot be read.
inline std::string ContentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

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

    // How many entries the folder holds.
    std::size_t EntryCount() const {
        return std::size_t(std::distance(std::filesystem::directory_iterator(Path()),
                                         std::filesystem::directory_iterator()));
    }

private:
    QTemporaryDir dir_;
};

} // namespace kluvian::test
