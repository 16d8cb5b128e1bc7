// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Forest.h"

#include "areagen/Color.h"
#include "areagen/Noise.h"
#include "areagen/Rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kluvian::areagen {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Height of the meadow's edge above the bottom row at column x.
double GroundHeight(const Noise& noise, double x) {
    return 70 + 34 * noise.Fbm(x / 380.0, 4);
}

// One tier of branches: it hangs from the trunk at row `top` down to its tips.
struct Tier {
    double top;
    QPointF leftTip;
    QPointF rightTip;
};

QPainterPath SpruceOutline(Rng& rng, double x, double bottom, double height, double width,
                           std::vector<Tier>& tierShapes) {
    const int tiers = 7 + int(height / 45);
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    const double top = bottom - height;
    const double crownBottom = bottom - height * 0.07;
    for (int j = 0; j <= tiers; ++j) {
        const double t = double(j) / tiers; // 0 at the tip
        const double y = top + (crownBottom - top) * t;
        const double w = width * 0.5 * std::pow(t, 0.9) * (0.85 + 0.3 * rng.Unit());
        const double droop = 6 + 10 * t;
        const double inner = 0.45 + 0.2 * rng.Unit();
        if (j == 0)
            continue;
        left.emplace_back(x - w * inner, y - droop * 0.6);
        left.emplace_back(x - w, y + droop * 0.3);
        const double wr = width * 0.5 * std::pow(t, 0.9) * (0.85 + 0.3 * rng.Unit());
        right.emplace_back(x + wr * inner, y - droop * 0.6);
        right.emplace_back(x + wr, y + droop * 0.3);
        const double above = top + (crownBottom - top) * (j - 1) / tiers;
        tierShapes.push_back({above, left.back(), right.back()});
    }
    QPainterPath path;
    path.moveTo(x, top - 4);
    for (const QPointF& p : right)
        path.lineTo(p);
    path.lineTo(x + width * 0.06, crownBottom);
    path.lineTo(x + width * 0.04, bottom + 4);
    path.lineTo(x - width * 0.04, bottom + 4);
    path.lineTo(x - width * 0.06, crownBottom);
    for (auto it = left.rbegin(); it != left.rend(); ++it)
        path.lineTo(*it);
    path.closeSubpath();
    return path;
}

// Snow, lit on the right as everything in the foreground is.
QLinearGradient SnowFill(const QRectF& box, const ForestLook& look) {
    QLinearGradient fill(box.left(), 0, box.right(), 0);
    fill.setColorAt(0, look.snowShade.ToQColor());
    fill.setColorAt(0.6, Mix(look.snowShade, look.snowLit, 0.7).ToQColor());
    fill.setColorAt(1, look.snowLit.ToQColor());
    return fill;
}

// The upper edges of a shape, `depth` deep, where snow settles.
void PaintSnowOn(QPainter& p, const QPainterPath& shape, double depth, const ForestLook& look) {
    p.fillPath(shape.subtracted(shape.translated(0, depth)), SnowFill(shape.boundingRect(), look));
}

// Snow lying along each tier of branches, from the trunk out to the tips, within the crown.
void PaintSnowOnTiers(QPainter& p, const QPainterPath& crown, const std::vector<Tier>& tiers,
                      double depth, double x, const ForestLook& look) {
    QPainterPath snow;
    for (const Tier& tier : tiers) {
        const QPointF top(x, tier.top + depth);
        const QPointF down(0, depth);
        const QPointF sag(0, depth * 0.6);
        QPainterPath band;
        band.moveTo(tier.leftTip);
        band.quadTo((tier.leftTip + top) / 2 - sag, top);
        band.quadTo((tier.rightTip + top) / 2 - sag, tier.rightTip);
        band.lineTo(tier.rightTip + down);
        band.quadTo((tier.rightTip + top) / 2 + sag, top + down * 1.4);
        band.quadTo((tier.leftTip + top) / 2 + sag, tier.leftTip + down);
        band.closeSubpath();
        snow.addPath(band);
    }
    p.save();
    p.setClipPath(crown);
    p.fillPath(snow.simplified(), SnowFill(crown.boundingRect(), look));
    p.restore();
}

void PaintSpruce(QPainter& p, Rng& rng, double x, double bottom, double height, double nearness,
                 const TreeColors& colors, const ForestLook& look) {
    height = std::min(height, bottom - kForestTopRow - 12);
    const double width = height * (0.36 + 0.1 * rng.Unit());
    std::vector<Tier> tiers;
    const QPainterPath crown = SpruceOutline(rng, x, bottom, height, width, tiers);
    // Farther trees are veiled by the air, nearer ones darker.
    const Rgb shadow = Mix(colors.farShadow, colors.nearShadow, nearness);
    const Rgb lit = Mix(colors.farLit, colors.nearLit, nearness);
    QLinearGradient fill(x - width * 0.5, 0, x + width * 0.5, 0);
    fill.setColorAt(0, shadow.ToQColor());
    fill.setColorAt(0.55, Mix(shadow, lit, 0.45).ToQColor());
    fill.setColorAt(1, lit.ToQColor());
    p.fillPath(crown, fill);
    // Sunlit needle tufts along the right-hand branch tips.
    p.save();
    p.setClipPath(crown);
    const Rgb tuft = lit * 1.25;
    for (int k = 0; k < int(height / 6); ++k) {
        const double ty = bottom - height * rng.Unit();
        const double tx = x + width * (0.05 + 0.45 * rng.Unit()) * (1 - (bottom - ty) / height);
        p.setPen(QPen(tuft.ToQColor(150), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(tx - 6, ty - 1), QPointF(tx + 5, ty + 3));
    }
    p.restore();
    if (look.snow > 0) {
        PaintSnowOnTiers(p, crown, tiers, look.snow * (1.5 + height * 0.012), x, look);
        PaintSnowOn(p, crown, look.snow * (2 + height * 0.03), look);
    }
}

QPainterPath RockOutline(Rng& rng, double cx, double bottom, double w, double h) {
    QPainterPath path;
    const int points = 9;
    std::vector<QPointF> pts;
    for (int i = 0; i <= points; ++i) {
        const double a = kPi * i / points; // the upper half of an ellipse
        const double r = 0.8 + 0.25 * rng.Unit();
        pts.emplace_back(cx - std::cos(a) * w * 0.5 * r, bottom - std::sin(a) * h * r);
    }
    path.moveTo(cx - w * 0.55, bottom + 6);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const QPointF mid = i + 1 < pts.size() ? (pts[i] + pts[i + 1]) / 2 : pts[i];
        path.quadTo(pts[i], mid);
    }
    path.lineTo(cx + w * 0.55, bottom + 6);
    path.closeSubpath();
    return path;
}

void PaintRock(QPainter& p, Rng& rng, const ForestLook& look, double cx, double bottom, double w) {
    const double h = w * (0.45 + 0.3 * rng.Unit());
    const QPainterPath rock = RockOutline(rng, cx, bottom, w, h);
    QRadialGradient fill(QPointF(cx + w * 0.25, bottom - h * 0.85), w * 0.9);
    fill.setColorAt(0, look.rockLit.ToQColor());
    fill.setColorAt(0.45, look.rockMiddle.ToQColor());
    fill.setColorAt(1, look.rockDark.ToQColor());
    p.fillPath(rock, fill);
    p.save();
    p.setClipPath(rock);
    // Cracks and a cap of moss.
    p.setPen(QPen(look.crack.ToQColor(160), 1.4));
    for (int k = 0; k < 3; ++k) {
        const double sx = cx + w * (rng.Unit() - 0.5) * 0.6;
        p.drawLine(QPointF(sx, bottom - h * (0.5 + 0.5 * rng.Unit())),
                   QPointF(sx + w * (rng.Unit() - 0.5) * 0.3, bottom));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.moss.ToQColor(120));
    p.drawEllipse(QPointF(cx - w * 0.1, bottom - h * 1.0), w * 0.35, h * 0.18);
    p.restore();
    if (look.snow > 0)
        PaintSnowOn(p, rock, look.snow * h * 0.3, look);
}

void PaintBush(QPainter& p, Rng& rng, const ForestLook& look, double cx, double bottom,
               double size) {
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 14; ++k) {
        const double a = kPi * rng.Unit();
        const double r = size * (0.25 + 0.3 * rng.Unit());
        const QPointF c(cx + std::cos(a) * size * 0.55, bottom - std::sin(a) * size * 0.5);
        QRadialGradient fill(c + QPointF(r * 0.4, -r * 0.5), r * 1.3);
        fill.setColorAt(0, look.bushLit.ToQColor());
        fill.setColorAt(1, look.bushDark.ToQColor());
        p.setBrush(fill);
        p.drawEllipse(c, r, r * 0.85);
    }
}

void PaintGrass(QPainter& p, Rng& rng, const ForestLook& look, const Noise& ground, int count,
                double minLen, double maxLen) {
    for (int k = 0; k < count; ++k) {
        const double x = kForestWidth * rng.Unit();
        const double base = kForestHeight - GroundHeight(ground, x) + 4 + 40 * rng.Unit();
        const double len = minLen + (maxLen - minLen) * rng.Unit();
        const double lean = (rng.Unit() - 0.4) * len * 0.5;
        const double shade = rng.Unit();
        const QColor c = Mix(look.grassDark, look.grassLit, shade * shade).ToQColor(230);
        QPainterPath blade;
        blade.moveTo(x - 1.6, base);
        blade.quadTo(x + lean * 0.3, base - len * 0.6, x + lean, base - len);
        blade.quadTo(x + lean * 0.3 + 1.2, base - len * 0.6, x + 1.6, base);
        blade.closeSubpath();
        p.fillPath(blade, c);
    }
}

} // namespace

QImage PaintForestPanorama(const ForestLook& look) {
    QImage image(kForestWidth, kForestHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(look.seed);
    const Noise ground(look.groundSeed);
    // Which trees are larches comes from a source of its own, so the share changes nothing else.
    Rng larches(look.larchSeed);

    // Trees grow in stands with clearings between them, farther ones first.
    struct Tree {
        double x;
        double height;
        double nearness;
        bool larch;
    };
    std::vector<Tree> trees;
    for (double x = 40; x < kForestWidth;) {
        const int stand = 2 + rng.Below(5);
        for (int i = 0; i < stand && x < kForestWidth; ++i) {
            const double nearness = rng.Unit();
            const double tall = kForestHeight - kForestTopRow - 20;
            const double height = tall * (0.45 + 0.55 * rng.Unit()) * (0.75 + 0.25 * nearness);
            trees.push_back({x, height, nearness, larches.Chance(look.larchShare)});
            x += 40 + 70 * rng.Unit();
        }
        x += 260 + 480 * rng.Unit();
    }
    std::stable_sort(trees.begin(), trees.end(),
                     [](const Tree& a, const Tree& b) { return a.nearness < b.nearness; });

    // The meadow: its edge rolls gently, darker towards the viewer.
    QPainterPath meadow;
    meadow.moveTo(0, kForestHeight);
    for (int x = 0; x <= kForestWidth; x += 8)
        meadow.lineTo(x, kForestHeight - GroundHeight(ground, x));
    meadow.lineTo(kForestWidth, kForestHeight);
    meadow.closeSubpath();

    for (const Tree& t : trees) {
        if (t.nearness < 0.5) {
            const double bottom = kForestHeight - GroundHeight(ground, t.x) + 10;
            PaintSpruce(p, rng, t.x, bottom, t.height * 0.85, t.nearness,
                        t.larch ? look.larch : look.spruce, look);
        }
    }
    QLinearGradient soil(0, kForestHeight - 110, 0, kForestHeight);
    soil.setColorAt(0, look.soilTop.ToQColor());
    soil.setColorAt(0.35, look.soilMiddle.ToQColor());
    soil.setColorAt(1, look.soilBottom.ToQColor());
    p.fillPath(meadow, soil);
    PaintGrass(p, rng, look, ground, int(2600 * look.grass), 10, 26);
    for (const Tree& t : trees) {
        if (t.nearness >= 0.5) {
            const double bottom = kForestHeight - GroundHeight(ground, t.x) + 28;
            PaintSpruce(p, rng, t.x, bottom, t.height, t.nearness,
                        t.larch ? look.larch : look.spruce, look);
        }
    }
    for (double x = 150 + 300 * rng.Unit(); x < kForestWidth; x += 380 + 700 * rng.Unit())
        PaintRock(p, rng, look, x, kForestHeight - 18 - 20 * rng.Unit(), 50 + 90 * rng.Unit());
    for (double x = 300 * rng.Unit(); x < kForestWidth; x += 220 + 420 * rng.Unit())
        PaintBush(p, rng, look, x, kForestHeight - 10, 30 + 40 * rng.Unit());
    PaintGrass(p, rng, look, ground, int(2200 * look.grass), 18, 46);
    // Flowers, berries or fallen leaves.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < look.dots; ++k) {
        const double x = kForestWidth * rng.Unit();
        const double y = kForestHeight - GroundHeight(ground, x) * rng.Range(0.15, 0.85);
        p.setBrush((rng.Chance(0.5) ? look.dotA : look.dotB).ToQColor());
        p.drawEllipse(QPointF(x, y), 2.0, 1.6);
    }
    p.end();
    return image;
}

} // namespace kluvian::areagen
