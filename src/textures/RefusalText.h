// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal> // QT_TRANSLATE_NOOP, which marks the texts for the translators

#include <string>

namespace kluvian {

// A reader's refusal as the player reads it: text (a caption or a message, marked with
// QT_TRANSLATE_NOOP("Textures", ...)) in the player's language, with its %1 replaced by
// argument as it stands: a file name keeps its bytes.
std::string RefusalText(const char* text, const std::string& argument = {});

} // namespace kluvian
