// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Sprites.h"

#include "areagen/Looks.h"
#include "areagen/Vulture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace kluvian::areagen {

QImage PaintCartridge() {
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double left = 2.5;
    const double right = 27.5;
    const double bottom = 128;
    const double brassTop = bottom - 20;
    const double top = bottom - 80;

    // Red ribbed hull, rounded over at the crimp.
    QLinearGradient hull(left, 0, right, 0);
    hull.setColorAt(0, QColor(92, 14, 12));
    hull.setColorAt(0.3, QColor(200, 40, 32));
    hull.setColorAt(0.45, QColor(236, 96, 80));
    hull.setColorAt(0.7, QColor(170, 28, 24));
    hull.setColorAt(1, QColor(70, 10, 10));
    QPainterPath body;
    body.moveTo(left + 0.5, brassTop);
    body.lineTo(left + 0.5, top + 6);
    body.quadTo(left + 1.5, top, left + 7, top);
    body.lineTo(right - 7, top);
    body.quadTo(right - 1.5, top, right - 0.5, top + 6);
    body.lineTo(right - 0.5, brassTop);
    body.closeSubpath();
    p.fillPath(body, hull);
    p.setPen(QPen(QColor(60, 8, 8, 110), 1.0));
    for (double y = top + 12; y < brassTop - 2; y += 5)
        p.drawLine(QPointF(left + 1.5, y), QPointF(right - 1.5, y));
    // The star crimp.
    p.setPen(QPen(QColor(90, 14, 12), 1.2));
    for (double x = left + 7; x <= right - 7; x += 3.5)
        p.drawLine(QPointF(x, top + 0.5), QPointF((left + right) / 2, top + 3.5));
    p.setPen(Qt::NoPen);

    // Brass head with its rim and primer.
    QLinearGradient brass(left, 0, right, 0);
    brass.setColorAt(0, QColor(110, 76, 20));
    brass.setColorAt(0.35, QColor(232, 190, 90));
    brass.setColorAt(0.5, QColor(255, 236, 160));
    brass.setColorAt(0.75, QColor(190, 140, 50));
    brass.setColorAt(1, QColor(96, 64, 18));
    p.fillRect(QRectF(left + 0.5, brassTop, right - left - 1, bottom - brassTop - 4), brass);
    p.fillRect(QRectF(left - 0.5, bottom - 5, right - left + 1, 5), brass);
    p.setPen(QPen(QColor(80, 54, 14, 150), 1.0));
    p.drawLine(QPointF(left + 0.5, brassTop + 0.5), QPointF(right - 0.5, brassTop + 0.5));
    p.drawLine(QPointF(left, bottom - 5), QPointF(right, bottom - 5));
    p.end();
    return image;
}

namespace {

void PaintReticle(QPainter& p, double r, double scale) {
    // Every stroke twice: a dark halo under a light line, readable on sky and forest.
    const QColor halo(0, 0, 0, 150);
    const QColor line(240, 244, 236, 235);
    auto stroke = [&](const std::function<void()>& draw, double width) {
        p.setPen(QPen(halo, width + 2.0 * scale, Qt::SolidLine, Qt::RoundCap));
        draw();
        p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap));
        draw();
    };
    p.setBrush(Qt::NoBrush);
    stroke([&] { p.drawEllipse(QPointF(0, 0), r, r); }, 1.6 * scale);
    const double gap = r * 0.2;
    stroke(
        [&] {
            p.drawLine(QPointF(-r, 0), QPointF(-gap, 0));
            p.drawLine(QPointF(gap, 0), QPointF(r, 0));
            p.drawLine(QPointF(0, -r), QPointF(0, -gap));
            p.drawLine(QPointF(0, gap), QPointF(0, r));
        },
        1.2 * scale);
    // Thick posts from the rim inwards, and mil dots.
    stroke(
        [&] {
            for (int i = 0; i < 4; ++i) {
                p.save();
                p.rotate(90 * i);
                p.drawLine(QPointF(r * 0.62, 0), QPointF(r, 0));
                p.restore();
            }
        },
        3.0 * scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 40, 30));
    p.drawEllipse(QPointF(0, 0), 1.8 * scale, 1.8 * scale);
}

} // namespace

QImage PaintCrosshair() {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(32, 32);
    PaintReticle(p, 28, 1.0);
    p.end();
    return image;
}

QImage PaintIcon() {
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(128, 128);
    // The scope's view: evening sky over blue peaks.
    QPainterPath lens;
    lens.addEllipse(centre, 112, 112);
    QLinearGradient sky(0, 16, 0, 240);
    sky.setColorAt(0, QColor(44, 96, 176));
    sky.setColorAt(0.6, QColor(150, 192, 230));
    sky.setColorAt(1, QColor(238, 214, 184));
    p.fillPath(lens, sky);
    p.save();
    p.setClipPath(lens);
    QPainterPath peaks;
    peaks.moveTo(0, 256);
    const double ridge[] = {190, 150, 172, 128, 160, 140, 182, 168, 196};
    for (int i = 0; i < 9; ++i)
        peaks.lineTo(i * 32, ridge[i]);
    peaks.lineTo(256, 256);
    p.fillPath(peaks, QColor(86, 116, 162));
    QPainterPath near;
    near.moveTo(0, 256);
    near.lineTo(0, 214);
    near.quadTo(90, 186, 150, 212);
    near.quadTo(210, 230, 256, 204);
    near.lineTo(256, 256);
    p.fillPath(near, QColor(30, 58, 62));
    p.drawImage(QRectF(40, 36, 176, 176), PaintVulture(176, 1, SummerDayLook().birds[1]));
    p.restore();
    // The scope body and reticle.
    p.setPen(QPen(QColor(24, 26, 30), 18));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 117, 117);
    p.setPen(QPen(QColor(96, 100, 108), 3));
    p.drawEllipse(centre, 124, 124);
    p.translate(centre);
    PaintReticle(p, 108, 2.6);
    p.end();
    return image;
}

} // namespace kluvian::areagen
