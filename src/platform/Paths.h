#pragma once

#include <string>

namespace kluvian {

// The directory of the running executable, with a trailing '/'. Needs a QCoreApplication.
std::string ExecutableDir();

// True when a regular file (or a link to one) exists at the path.
bool FileExists(const std::string& path);

} // namespace kluvian
