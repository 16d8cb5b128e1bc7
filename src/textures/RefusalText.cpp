// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/RefusalText.h"

#include <QCoreApplication>

namespace kluvian {

std::string RefusalText(const char* text, const std::string& argument) {
    std::string translated = QCoreApplication::translate("Textures", text).toStdString();
    if (const std::size_t at = translated.find("%1"); at != std::string::npos)
        translated.replace(at, 2, argument);
    return translated;
}

} // namespace kluvian
