// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/IconSizes.h"

#include "areagen/Sprites.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kluvian::areagen {

QImage PaintIconAt(int pixels) {
    const QImage full = PaintIcon();
    if (pixels == full.width())
        return full;
    // Area averaging keeps the colours of the scene; below 64 pixels the scope's strokes
    // average away to a haze, so the rim and the posts are drawn again on the small
    // picture's own pixels.
    QImage image = full.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (pixels >= 64)
        return image;
    const double unit = pixels / double(full.width());
    // An odd pixel row and column through the middle, so the one-pixel lines stay sharp.
    const double mid = std::floor(pixels / 2.0) - 0.5;
    const double rim = 117 * unit;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(24, 26, 30), std::max(18 * unit, 1.5)));
    p.drawEllipse(QPointF(pixels / 2.0, pixels / 2.0), rim, rim);
    const double arm = 108 * unit;
    // Only the posts from the rim inwards: thin lines across the middle would hide the bird.
    const double gap = arm * 0.58;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& [colour, width] :
         {std::pair(QColor(0, 0, 0, 170), 3), std::pair(QColor(244, 246, 240), 1)}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(mid - arm, mid), QPointF(mid - gap, mid));
        p.drawLine(QPointF(mid + gap, mid), QPointF(mid + arm, mid));
        p.drawLine(QPointF(mid, mid - arm), QPointF(mid, mid - gap));
        p.drawLine(QPointF(mid, mid + gap), QPointF(mid, mid + arm));
    }
    return image;
}

} // namespace kluvian::areagen
