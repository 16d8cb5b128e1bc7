// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QAbstractButton>
#include <QStringList>
#include <QStyle>

#include <algorithm>

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

int ButtonWidthFor(const QAbstractButton& button, int designWidth) {
    const QStyle* style = button.style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    const int caption = button.fontMetrics().horizontalAdvance(QString(button.text()).remove(u'&'));
    return std::max(designWidth, caption + margins);
}

} // namespace kluvian
