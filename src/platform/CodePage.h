// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kluvian {

// Code page 1250, the single-byte encoding of the program's own texts and of the names in
// the score file.

// One byte per character. A character the code page lacks becomes "?", one per code point.
std::string ToCp1250(const QString& text);

// One character per byte. The five bytes the code page leaves undefined (0x81 0x83 0x88
// 0x90 0x98) become U+FFFD, so they show as unknown instead of vanishing.
QString FromCp1250(std::string_view bytes);

} // namespace kluvian
