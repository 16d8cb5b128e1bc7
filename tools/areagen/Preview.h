// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/DataSet.h"

#include <QImage>

#include <string>

namespace kluvian::areagen {

// Four 800 x 600 views of the hunting area in folder `area` composed from the encoded files as
// the game draws them (layers, birds, cartridges, texts and cross-hair), at different pan
// positions, and below them every bird picture of each size at 1:1 and enlarged three times,
// on sky and on forest.
QImage ComposePreview(const FileSet& pictures, const std::string& area);

// Builds the area's pictures and writes its preview as a PNG. Throws std::runtime_error on
// failure.
void WritePreview(const std::string& pngPath, const Area& area);

} // namespace kluvian::areagen
