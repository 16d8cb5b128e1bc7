// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/FontSheet.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>

#include <stdexcept>

namespace kluvian::areagen {

namespace {

const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
constexpr double kPixelSize = 22;
constexpr double kBaseline = 24;
constexpr double kOutline = 2.2;

QFont GlyphFont() {
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        throw std::runtime_error(std::string("cannot load the font ") + kFontFile);
    QFont font(families.front());
    font.setStyleName("Bold");
    font.setBold(true);
    font.setPixelSize(int(kPixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

char16_t Cp1250Char(int k) {
    if (k < 32 || k == 127)
        return 0;
    QStringDecoder decode("windows-1250");
    const char byte = char(k);
    const QString text = decode(QByteArray(&byte, 1));
    if (text.size() != 1 || text[0] == QChar::ReplacementCharacter)
        return 0;
    const char16_t ch = text[0].unicode();
    // The soft hyphen is a format character but has a glyph of its own here.
    return ch == 0xAD || text[0].isPrint() ? ch : 0;
}

QImage PaintFontSheet() {
    QImage sheet(16 * kFontCell, 16 * kFontCell, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    const QFont font = GlyphFont();
    const QFontMetricsF metrics(font);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    const double inkLeft = kFontCell / 4.0;
    const double inkWidth = kFontCell / 2.0;
    for (int k = 0; k < 256; ++k) {
        char16_t ch = Cp1250Char(k);
        if (ch == 0xAD) // the soft hyphen shows as a hyphen
            ch = u'-';
        if (ch == 0 || QChar(ch).isSpace())
            continue;
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(QChar(ch)));
        // Fit the ink and its outline into the middle half: centre it, squeeze the rare
        // wide glyph.
        const QRectF ink = glyph.boundingRect().adjusted(-kOutline / 2, 0, kOutline / 2, 0);
        const double squeeze = std::min(1.0, (inkWidth - 0.5) / ink.width());
        const double advance = metrics.horizontalAdvance(QChar(ch)) * squeeze;
        double left = inkLeft + (inkWidth - advance) / 2;
        const double inkStart = left + (ink.left()) * squeeze;
        const double inkEnd = left + ink.right() * squeeze;
        if (inkStart < inkLeft)
            left += inkLeft - inkStart;
        else if (inkEnd > inkLeft + inkWidth)
            left -= inkEnd - (inkLeft + inkWidth);

        const QRectF cell((k % 16) * kFontCell, (k / 16) * kFontCell, kFontCell, kFontCell);
        p.save();
        p.setClipRect(QRectF(cell.left() + inkLeft, cell.top(), inkWidth, kFontCell));
        p.translate(cell.left() + left, cell.top() + kBaseline);
        p.scale(squeeze, 1.0);
        p.setPen(
            QPen(QColor(8, 10, 14, 230), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyph);
        p.fillPath(glyph, Qt::white);
        p.restore();
    }
    p.end();
    return sheet;
}

} // namespace kluvian::areagen
