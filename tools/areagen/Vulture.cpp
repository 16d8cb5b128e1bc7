// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Vulture.h"

#include "areagen/Figure.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace kluvian::areagen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWingLength = 0.86;

double Radians(double degrees) {
    return degrees * kPi / 180;
}

// Blur in texels for a picture drawn at `drawnAt` view units: about a fifth of a screen pixel
// at 800 x 600. Chosen by comparing renderings against exact ones at 1x, 1.6x and 2.4x.
double Softness(int pixels, double drawnAt) {
    return drawnAt > 0 ? 0.19 * pixels / drawnAt : 0;
}

// A plumage in the painter's colours.
struct Palette {
    QColor coverts;
    QColor flight;
    QColor ruff;
    QColor skin;
    QColor beak;
    double rim;
    double rimStrength;
};

Palette PaletteOf(const Plumage& p) {
    return {p.coverts.ToQColor(), p.flight.ToQColor(), p.ruff.ToQColor(),
            p.skin.ToQColor(),    p.beak.ToQColor(),   p.rim,
            p.rimStrength};
}

// One wing's attitude in a beat: the arm raised `arm` degrees above level, the hand a further
// `bend`; the hand swept back by `sweep` (chord lengths per span), its primaries spread by
// `spread` (0 closed, 1 fully fanned), `span` the share of the full length held out.
struct WingPose {
    double arm;
    double bend;
    double sweep;
    double spread;
    double span;
};

// The bird is seen from below and from its left side, the hunter looking up at it: the near
// wing shows above the body, the far wing below, and both fill the square's height.
constexpr double kViewElevation = 50;

// A point of the wing: c along the chord (forward positive), s along the span 0..1. `near`
// is the wing turned towards the viewer.
QPointF WingPoint(QPointF root, const WingPose& pose, bool near, double c, double s) {
    const double length = kWingLength * pose.span;
    const double arm = std::min(s, 0.5) * length;
    const double hand = std::max(s - 0.5, 0.0) * length;
    const double a = Radians(pose.arm);
    const double b = Radians(pose.arm + pose.bend);
    const double side = near ? -1 : 1; // depth: the near wing points at the viewer
    const double y = side * (arm * std::cos(a) + hand * std::cos(b));
    const double z = arm * std::sin(a) + hand * std::sin(b);
    const double e = Radians(kViewElevation);
    const double up = z * std::cos(e) - y * std::sin(e);
    const double x = root.x() + c - pose.sweep * hand + 0.28 * y;
    return {x, root.y() - up};
}

void AddWing(Figure& fig, const Palette& c, QPointF root, const WingPose& pose, bool near) {
    auto at = [&](double chord, double s) { return WingPoint(root, pose, near, chord, s); };
    // The far wing lies in the body's shadow.
    const int shade = near ? 100 : 130;
    const QColor flight = c.flight.darker(shade);
    const QColor coverts = c.coverts.darker(shade);

    // Broad fingered primaries fan out from the hand; spread opens the gaps between them.
    const int fingers = 6;
    for (int i = 0; i < fingers; ++i) {
        const double f = double(i) / (fingers - 1);
        const double fan = 0.55 + 0.45 * pose.spread;
        const double base = 0.15 - 0.38 * f;
        const double tipC = 0.14 - 0.56 * f * fan;
        const double tipS = 1.04 - 0.18 * f * f;
        const double half = 0.04;
        QPainterPath feather;
        feather.moveTo(at(base + half, 0.6));
        feather.quadTo(at(tipC + half * 1.3, 0.86), at(tipC, tipS));
        feather.quadTo(at(tipC - half * 1.3, 0.86), at(base - half, 0.6));
        feather.closeSubpath();
        fig.Fill(feather, flight);
    }
    // The long inner wing: straight leading edge, ragged trailing edge of secondaries.
    QPainterPath wing;
    wing.moveTo(at(0.18, 0.0));
    wing.lineTo(at(0.22, 0.45));
    wing.quadTo(at(0.22, 0.6), at(0.15, 0.68));
    wing.lineTo(at(-0.26, 0.7));
    const int notches = 9;
    for (int i = notches; i > 0; --i) {
        const double s = 0.7 * (i - 1) / notches;
        wing.lineTo(at(-0.31, s + 0.04));
        wing.lineTo(at(-0.25, s));
    }
    wing.closeSubpath();
    fig.Fill(wing, flight);
    // The pale band of underwing coverts along the leading edge.
    QPainterPath band;
    band.moveTo(at(0.18, 0.0));
    band.lineTo(at(0.22, 0.45));
    band.quadTo(at(0.22, 0.58), at(0.14, 0.64));
    band.quadTo(at(0.02, 0.6), at(-0.04, 0.4));
    band.lineTo(at(-0.08, 0.0));
    band.closeSubpath();
    fig.Fill(band, coverts);
}

void AddBody(Figure& fig, const Palette& c) {
    // Short wedge tail.
    QPainterPath tail;
    tail.moveTo(-0.28, -0.05);
    tail.lineTo(-0.6, -0.09);
    tail.quadTo(-0.64, 0.0, -0.6, 0.09);
    tail.lineTo(-0.28, 0.06);
    tail.closeSubpath();
    fig.Fill(tail, c.flight);
    // Feet tucked under the tail.
    fig.Line(QPointF(-0.16, 0.07), QPointF(-0.32, 0.05), 0.045, c.beak.darker(150));
    QRadialGradient belly(QPointF(0.0, -0.05), 0.42);
    belly.setColorAt(0, c.coverts.lighter(110));
    belly.setColorAt(1, c.coverts.darker(160));
    fig.Ellipse(QPointF(-0.02, 0.0), 0.36, 0.15, belly);
    // The ruff, then the bald head sunk into it, and the hooked beak.
    for (int i = 0; i < 7; ++i) {
        const double a = 2 * kPi * i / 7;
        fig.Ellipse(QPointF(0.3 + 0.05 * std::cos(a), -0.01 + 0.06 * std::sin(a)), 0.07, 0.065,
                    c.ruff);
    }
    QRadialGradient head(QPointF(0.44, -0.05), 0.1);
    head.setColorAt(0, c.skin.lighter(115));
    head.setColorAt(1, c.skin.darker(125));
    fig.Ellipse(QPointF(0.43, -0.02), 0.085, 0.07, head);
    QPainterPath beak;
    beak.moveTo(0.49, -0.06);
    beak.quadTo(0.57, -0.06, 0.6, -0.01);
    beak.quadTo(0.61, 0.03, 0.57, 0.05);
    beak.quadTo(0.56, 0.0, 0.49, 0.02);
    beak.closeSubpath();
    fig.Fill(beak, c.beak);
    QPainterPath hook;
    hook.moveTo(0.575, -0.04);
    hook.quadTo(0.615, 0.01, 0.57, 0.05);
    hook.quadTo(0.572, 0.01, 0.55, -0.02);
    hook.closeSubpath();
    fig.Fill(hook, QColor(40, 36, 34));
    fig.Ellipse(QPointF(0.45, -0.045), 0.016, 0.016, QColor(20, 14, 12));
}

} // namespace

QImage PaintVulture(int pixels, int frame, const Plumage& plumage, double drawnAt) {
    // One smooth beat: the hands trail the arms, fanned on the downstroke (frames 0 to 2),
    // swept back and half closed on the way up (frames 3 to 5).
    static constexpr std::array<WingPose, kWingFrames> kBeat{{
        {52, -8, 0.0, 0.7, 1.0},
        {24, 16, 0.0, 1.0, 1.0},
        {-14, 20, 0.1, 0.9, 0.98},
        {-28, 2, 0.35, 0.5, 0.9},
        {-4, -22, 0.5, 0.2, 0.84},
        {30, -28, 0.25, 0.4, 0.92},
    }};
    // The body rises a little as the wings push down.
    static constexpr std::array<double, kWingFrames> kBob{0.03, 0.0, -0.03, -0.04, -0.01, 0.02};
    const Palette c = PaletteOf(plumage);
    const std::size_t f = std::size_t(frame % kWingFrames);
    Figure fig;
    fig.Transform(QTransform::fromTranslate(0.0, kBob[f] + 0.05));
    AddWing(fig, c, QPointF(0.04, 0.02), kBeat[f], false);
    AddBody(fig, c);
    AddWing(fig, c, QPointF(0.02, -0.02), kBeat[f], true);
    return fig.Render(pixels, c.rim, c.rimStrength, Softness(pixels, drawnAt));
}

QImage PaintFallingVulture(int pixels, const Plumage& plumage, double drawnAt) {
    const Palette c = PaletteOf(plumage);
    Figure fig;
    // Loose feathers drift around the tumbling bird.
    const std::array<std::array<double, 3>, 5> feathers{{{-0.56, -0.5, 30},
                                                         {0.52, -0.62, -50},
                                                         {0.64, 0.48, 110},
                                                         {-0.6, 0.54, 160},
                                                         {0.1, -0.7, 60}}};
    for (const auto& f : feathers) {
        QTransform t;
        t.translate(f[0], f[1]);
        t.rotate(f[2]);
        fig.ResetTransform();
        fig.Transform(t);
        QPainterPath quill;
        quill.moveTo(-0.14, 0);
        quill.quadTo(0, -0.065, 0.14, 0);
        quill.quadTo(0, 0.055, -0.14, 0);
        fig.Fill(quill, c.coverts.darker(115));
        fig.Line(QPointF(-0.16, 0.005), QPointF(0.13, 0), 0.014, c.flight);
    }
    QTransform tumble;
    tumble.rotate(148);
    tumble.scale(0.9, 0.9);
    fig.ResetTransform();
    fig.Transform(tumble);
    AddWing(fig, c, QPointF(0.04, 0.02), WingPose{70, -70, 0.6, 0.1, 0.75}, false);
    AddBody(fig, c);
    AddWing(fig, c, QPointF(0.0, -0.02), WingPose{-50, 85, 0.2, 1.0, 0.8}, true);
    // Eye shut.
    fig.Line(QPointF(0.43, -0.045), QPointF(0.47, -0.045), 0.02, QColor(20, 14, 12));
    return fig.Render(pixels, c.rim, c.rimStrength, Softness(pixels, drawnAt));
}

} // namespace kluvian::areagen
