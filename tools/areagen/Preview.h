// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/DataSet.h"

#include <QImage>

#include <string>

namespace kluvian::areagen {

// Four 800 x 600 views of the hunting area composed from the encoded files as the game draws
// them (layers, birds, cartridges, texts and cross-hair), at different pan positions, and below
// them every bird picture of each size at 1:1 and enlarged three times, on sky and on forest.
QImage ComposePreview(const FileSet& pictures);

// Builds the pictures and writes the preview as a PNG. Throws std::runtime_error on failure.
void WritePreview(const std::string& pngPath);

} // namespace kluvian::areagen
