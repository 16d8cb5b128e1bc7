#include "areagen/Vulture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace kluvian::areagen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWingLength = 0.98;

struct Palette {
    QColor coverts; // upper wing and body
    QColor flight;  // flight feathers and tail
    QColor ruff;
    QColor skin; // bald head and neck
    QColor beak;
    QColor bar;      // the band of pale secondaries across the upper wing
    double barWidth; // in the bird's drawing units
    int rim;         // reach of the dark outline in pixels
};

Palette PaletteOf(Plumage plumage) {
    switch (plumage) {
    case Plumage::Dark:
        // Drawn smallest, so it has the boldest pattern: near-black wings, a white ruff and a
        // silver wing band that still read at a few pixels against sky, snow and forest.
        return {QColor(50, 40, 36),
                QColor(16, 13, 12),
                QColor(252, 250, 244),
                QColor(222, 92, 76),
                QColor(236, 228, 204),
                QColor(170, 162, 152),
                0.05,
                2};
    case Plumage::Tawny:
        return {QColor(156, 116, 74),
                QColor(44, 33, 27),
                QColor(240, 230, 208),
                QColor(222, 160, 146),
                QColor(214, 200, 166),
                QColor(180, 136, 90),
                0.018,
                1};
    case Plumage::Pale:
        break;
    }
    return {QColor(196, 160, 112),
            QColor(56, 40, 30),
            QColor(246, 240, 226),
            QColor(228, 196, 186),
            QColor(196, 186, 160),
            QColor(225, 184, 129),
            0.018,
            1};
}

// One wing's attitude: raised by `dihedral` degrees at the shoulder, the hand bent a further
// `tipBend` degrees, `span` the share of the full length spread out.
struct WingPose {
    double dihedral;
    double tipBend;
    double span;
};

// A point of the wing in the bird's drawing plane: u along the body (forward positive), s
// along the span 0..1; `side` +1 for the near wing, -1 for the far one. The bird is seen a
// little from above, so the near wing's spread shows below the shoulder.
QPointF WingPoint(QPointF shoulder, const WingPose& pose, double side, double u, double s) {
    const double length = kWingLength * pose.span;
    const double a = pose.dihedral * kPi / 180;
    const double b = (pose.dihedral + pose.tipBend) * kPi / 180;
    const double arm = std::min(s, 0.5) * length;
    const double hand = std::max(s - 0.5, 0.0) * length;
    const double up = arm * std::sin(a) + hand * std::sin(b);
    const double out = (arm * std::cos(a) + hand * std::cos(b)) * side;
    return {shoulder.x() + u - 0.22 * out, shoulder.y() - up + 0.32 * out};
}

void PaintWing(QPainter& p, const Palette& c, QPointF shoulder, const WingPose& pose, double side,
               double shade) {
    auto at = [&](double u, double s) { return WingPoint(shoulder, pose, side, u, s); };
    const QColor flight = c.flight.darker(int(100 + 40 * shade));
    const QColor coverts = c.coverts.darker(int(100 + 45 * shade));

    // Fingered primaries fan out from the hand.
    const int fingers = 7;
    for (int i = 0; i < fingers; ++i) {
        const double f = double(i) / (fingers - 1);
        const double u0 = 0.14 - 0.44 * f;
        const double tipS = 1.04 - 0.2 * f * f;
        const double tipU = 0.2 - 0.52 * f;
        QPainterPath feather;
        feather.moveTo(at(u0 + 0.045, 0.62));
        feather.quadTo(at(tipU + 0.055, 0.86), at(tipU, tipS));
        feather.quadTo(at(tipU - 0.05, 0.84), at(u0 - 0.05, 0.62));
        feather.closeSubpath();
        p.fillPath(feather, flight);
    }
    // The broad inner wing: a bent leading edge, then the ragged trailing edge back to the body.
    QPainterPath wing;
    wing.moveTo(at(0.14, 0.0));
    wing.quadTo(at(0.26, 0.3), at(0.16, 0.7));
    wing.lineTo(at(-0.3, 0.76));
    const int notches = 8;
    for (int i = notches; i > 0; --i) {
        const double s = 0.74 * (i - 1) / notches;
        const double edge = -0.36 + 0.08 * std::abs(s - 0.35);
        wing.lineTo(at(edge - 0.025, s + 0.05));
        wing.lineTo(at(edge + 0.01, s));
    }
    wing.lineTo(at(-0.24, 0.0));
    wing.closeSubpath();
    p.fillPath(wing, flight);

    QPainterPath band;
    band.moveTo(at(0.14, 0.0));
    band.quadTo(at(0.26, 0.3), at(0.16, 0.68));
    band.quadTo(at(0.0, 0.64), at(-0.1, 0.5));
    band.quadTo(at(-0.14, 0.2), at(-0.16, 0.0));
    band.closeSubpath();
    p.fillPath(band, coverts);
    // A paler stripe of secondaries' tips, seen on these birds from above.
    p.setPen(QPen(c.bar.darker(int(100 + 45 * shade)), c.barWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(-0.2, 0.08), at(-0.13, 0.6));
    p.setPen(Qt::NoPen);
}

void PaintBody(QPainter& p, const Palette& c, double tilt) {
    p.save();
    p.rotate(tilt);
    // Wedge tail.
    QPainterPath tail;
    tail.moveTo(-0.3, -0.04);
    tail.lineTo(-0.66, -0.08);
    tail.quadTo(-0.7, 0.02, -0.66, 0.12);
    tail.lineTo(-0.3, 0.1);
    tail.closeSubpath();
    p.fillPath(tail, c.flight);
    // Tucked feet.
    p.setPen(QPen(c.skin.darker(130), 0.035, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-0.18, 0.12), QPointF(-0.34, 0.14));
    p.setPen(Qt::NoPen);
    QRadialGradient body(QPointF(0.02, -0.1), 0.45);
    body.setColorAt(0, c.coverts.lighter(118));
    body.setColorAt(1, c.coverts.darker(150));
    p.setBrush(body);
    p.drawEllipse(QPointF(-0.02, 0.02), 0.38, 0.15);
    // Bare neck, ruff and bald head with a hooked beak.
    QPainterPath neck;
    neck.moveTo(0.28, -0.06);
    neck.quadTo(0.44, -0.16, 0.56, -0.1);
    neck.lineTo(0.56, -0.02);
    neck.quadTo(0.44, -0.06, 0.3, 0.04);
    neck.closeSubpath();
    p.fillPath(neck, c.skin.darker(115));
    p.setBrush(c.ruff);
    for (int i = 0; i < 6; ++i) {
        const double a = kPi * (0.3 + 0.28 * i);
        p.drawEllipse(QPointF(0.3 + 0.055 * std::cos(a), -0.01 + 0.06 * std::sin(a)), 0.06, 0.055);
    }
    QRadialGradient head(QPointF(0.6, -0.1), 0.09);
    head.setColorAt(0, c.skin.lighter(112));
    head.setColorAt(1, c.skin.darker(125));
    p.setBrush(head);
    p.drawEllipse(QPointF(0.59, -0.07), 0.075, 0.062);
    QPainterPath beak;
    beak.moveTo(0.63, -0.1);
    beak.quadTo(0.7, -0.11, 0.75, -0.07);
    beak.quadTo(0.78, -0.03, 0.74, 0.0);
    beak.quadTo(0.73, -0.04, 0.64, -0.04);
    beak.closeSubpath();
    p.fillPath(beak, c.beak);
    QPainterPath hook;
    hook.moveTo(0.73, -0.08);
    hook.quadTo(0.78, -0.03, 0.74, 0.0);
    hook.quadTo(0.735, -0.035, 0.71, -0.05);
    hook.closeSubpath();
    p.fillPath(hook, QColor(40, 36, 34));
    p.setBrush(QColor(20, 14, 12));
    p.drawEllipse(QPointF(0.6, -0.09), 0.016, 0.016);
    p.restore();
}

// Draws with a unit square of about [-1, 1] on each side mapped onto the picture.
QPainter& Begin(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(image.width() / 2.0, image.height() / 2.0);
    p.scale(image.width() / 1.9, image.height() / 1.9);
    p.setPen(Qt::NoPen);
    return p;
}

// A dark rim around the bird so it reads against snow, sky and forest alike.
QImage WithOutline(const QImage& bird, int rim) {
    QImage out(bird.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const int w = bird.width();
    const int h = bird.height();
    const double strength = 0.55;
    for (int y = 0; y < h; ++y) {
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int near = 0;
            for (int dy = -rim; dy <= rim; ++dy)
                for (int dx = -rim; dx <= rim; ++dx) {
                    if (dx * dx + dy * dy > rim * rim + 1)
                        continue;
                    const int sx = x + dx;
                    const int sy = y + dy;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                        near = std::max(near, qAlpha(bird.pixel(sx, sy)));
                }
            o[x] = qPremultiply(qRgba(16, 12, 10, int(near * strength)));
        }
    }
    QPainter p(&out);
    p.drawImage(0, 0, bird);
    return out;
}

} // namespace

QImage PaintVulture(int pixels, int frame, Plumage plumage) {
    // One beat: the downstroke is quick and bends the hands up, the upstroke half folds them.
    static constexpr std::array<WingPose, kWingFrames> kBeat{{
        {72, -20, 0.92},
        {44, -4, 1.0},
        {6, 18, 1.0},
        {-28, 22, 0.98},
        {-16, -14, 0.86},
        {34, -34, 0.82},
    }};
    static constexpr std::array<double, kWingFrames> kBob{-0.03, 0.0, 0.03, 0.04, 0.01, -0.02};
    const Palette c = PaletteOf(plumage);
    const WingPose pose = kBeat[std::size_t(frame % kWingFrames)];
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p;
    Begin(p, image);
    p.translate(-0.02, 0.08 + kBob[std::size_t(frame % kWingFrames)]);
    PaintWing(p, c, QPointF(0.06, -0.08), pose, -1, 0.6);
    PaintBody(p, c, -3);
    PaintWing(p, c, QPointF(0.02, -0.02), pose, 1, 0.0);
    p.end();
    return WithOutline(image, c.rim);
}

QImage PaintFallingVulture(int pixels, Plumage plumage) {
    const Palette c = PaletteOf(plumage);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p;
    Begin(p, image);
    // Loose feathers drift around the tumbling bird.
    const std::array<std::array<double, 3>, 5> feathers{{{-0.58, -0.52, 30},
                                                         {0.5, -0.6, -50},
                                                         {0.62, 0.42, 110},
                                                         {-0.62, 0.5, 160},
                                                         {0.05, -0.8, 80}}};
    for (const auto& f : feathers) {
        p.save();
        p.translate(f[0], f[1]);
        p.rotate(f[2]);
        QPainterPath quill;
        quill.moveTo(-0.13, 0);
        quill.quadTo(0, -0.06, 0.13, 0);
        quill.quadTo(0, 0.05, -0.13, 0);
        p.fillPath(quill, c.coverts.darker(110));
        p.setPen(QPen(c.flight, 0.012));
        p.drawLine(QPointF(-0.15, 0.005), QPointF(0.12, 0));
        p.setPen(Qt::NoPen);
        p.restore();
    }
    p.rotate(148);
    p.scale(0.9, 0.9);
    PaintWing(p, c, QPointF(0.06, -0.08), WingPose{50, -95, 0.7}, -1, 0.6);
    PaintBody(p, c, 0);
    PaintWing(p, c, QPointF(0.0, -0.02), WingPose{-40, 80, 0.75}, 1, 0.0);
    // Eye shut.
    p.setPen(QPen(QColor(20, 14, 12), 0.02));
    p.drawLine(QPointF(0.575, -0.09), QPointF(0.625, -0.09));
    p.end();
    return WithOutline(image, c.rim);
}

} // namespace kluvian::areagen
