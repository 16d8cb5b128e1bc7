// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QAbstractButton;

namespace kluvian {

// Near equivalents, from Debian's DejaVu and Liberation fonts, of the three faces the
// game's windows were laid out for. Sizes are in pixels so the layouts hold on any DPI.

// The plain window font: a humanist sans of 11 pixels.
QFont TahomaLike();

// The heavy display font of the loading message: 13 pixels, bold.
QFont ArialBlackLike();

// The bold window font of the main, help and score table windows: 13 pixels, bold.
QFont SansSerifBold();

// The width for a button laid out designWidth pixels wide: wider only where its caption (a
// translation) would not fit between the style's margins.
int ButtonWidthFor(const QAbstractButton& button, int designWidth);

} // namespace kluvian
