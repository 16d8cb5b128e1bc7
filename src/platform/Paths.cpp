#include "platform/Paths.h"

#include <QCoreApplication>

#include <filesystem>

namespace kluvian {

std::string ExecutableDir() {
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace kluvian
