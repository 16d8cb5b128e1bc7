// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace kluvian::areagen {

// 128 x 128: one shotgun cartridge standing upright on the bottom edge within the leftmost
// 30 columns; the rest transparent.
QImage PaintCartridge();
// 64 x 64: a rifle-scope cross-hair centred on the picture.
QImage PaintCrosshair();
// 256 x 256: the application icon, a vulture in a scope.
QImage PaintIcon();

} // namespace kluvian::areagen
