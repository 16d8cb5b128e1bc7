// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QStringList>

namespace kluvian {

namespace {

QFont PixelFont(const QStringList& families, int pixels, QFont::Weight weight) {
    QFont font;
    // The first family installed wins; the style hint covers a machine with neither.
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont TahomaLike() {
    return PixelFont({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}, 11,
                     QFont::Normal);
}

QFont ArialBlackLike() {
    // Liberation Sans keeps Arial's widths, so the loading line fits the room it was given.
    return PixelFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 13,
                     QFont::Black);
}

QFont SansSerifBold() {
    return PixelFont({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 13,
                     QFont::Bold);
}

} // namespace kluvian
