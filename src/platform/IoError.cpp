// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IoError.h"

#include <QCoreApplication>

namespace kluvian {

std::string IoError::TextOf(int code) {
    const auto text = [](const char* source) {
        return QCoreApplication::translate("IoError", source).toStdString();
    };
    switch (code) {
    case FileNotFound:
        return text(QT_TRANSLATE_NOOP("IoError", "File not found"));
    case PathNotFound:
        return text(QT_TRANSLATE_NOOP("IoError", "Path not found"));
    case AccessDenied:
        return text(QT_TRANSLATE_NOOP("IoError", "File access denied"));
    case ReadBeyondEnd:
        return text(QT_TRANSLATE_NOOP("IoError", "Read beyond end of file"));
    case DiskFull:
        return text(QT_TRANSLATE_NOOP("IoError", "Disk full"));
    case InvalidNumericInput:
        return text(QT_TRANSLATE_NOOP("IoError", "Invalid numeric input"));
    default:
        return QCoreApplication::translate("IoError", "I/O error %1").arg(code).toStdString();
    }
}

} // namespace kluvian
