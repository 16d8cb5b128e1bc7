// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kluvian::test {

// The bytes of a generated data file, path relative to the build's data/ directory.
inline std::vector<std::uint8_t> DataFile(const std::string& name) {
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    const std::string path = std::string(build ? build : "..") + "/data/" + name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace kluvian::test
