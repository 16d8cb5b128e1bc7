// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/GameIcon.h"

#include <QDir>

namespace kluvian {

QIcon GameIcon(const std::string& exeDir) {
    QIcon icon;
    // Each size drawn for itself: the desktop picks the one it shows, never a blurred one.
    const QDir icons(QString::fromStdString(exeDir + "data/icons"));
    for (const QString& size : icons.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString file = icons.filePath(size + "/kluvian.png");
        if (QFile::exists(file))
            icon.addFile(file);
    }
    return icon;
}

} // namespace kluvian
