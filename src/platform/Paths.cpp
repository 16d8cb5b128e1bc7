// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace kluvian {

std::string ExecutableDir() {
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string UserDataDir() {
    // The generic location: the application's own one would follow its title, "Kluvian".
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return base.toStdString() + "/kluvian/";
}

bool CanWrite(const std::string& path) {
    std::error_code ec;
    // Creating a file in a folder takes the right to search it as well as to write it.
    const int mode = std::filesystem::is_directory(path, ec) ? W_OK | X_OK : W_OK;
    // AT_EACCESS: the rights the process writes with, not those of whoever started it.
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

} // namespace kluvian
