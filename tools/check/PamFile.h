// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textures/Picture.h"

#include <string>

namespace kluvian {

// Writes the picture as a PAM file (P7, TUPLTYPE RGB or RGB_ALPHA, MAXVAL 255), its rows in
// buffer order. Returns false when the file cannot be written completely.
bool WritePam(const std::string& path, const Picture& picture);

} // namespace kluvian
