// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <vector>

namespace kluvian::areagen {

// A drawing kept as filled outlines in its own units (the picture's centre is the origin, its
// edges lie at -0.95 and 0.95, y grows downwards), so it can be rendered at any size alike.
class Figure {
public:
    // Outlines added from now on are first mapped through `t`, after the current mapping.
    void Transform(const QTransform& t) { transform_ = t * transform_; }
    void ResetTransform() { transform_ = QTransform(); }

    void Fill(const QPainterPath& path, const QBrush& brush);
    void Ellipse(QPointF centre, double rx, double ry, const QBrush& brush);
    // A line of `width` units with round caps.
    void Line(QPointF a, QPointF b, double width, const QColor& color);

    // The figure on a transparent pixels x pixels picture, supersampled and averaged down so
    // each pixel holds the exact share of what covers it, with a dark rim of `rim` units
    // around the whole figure at `rimStrength` opacity. Fully transparent pixels carry the
    // colour of their nearest covered neighbours, so linear filtering does not darken edges.
    // `softness` > 0 blurs the result by that many pixels (a Gaussian's sigma).
    QImage Render(int pixels, double rim, double rimStrength, double softness = 0) const;

private:
    struct Shape {
        QPainterPath path;
        QBrush brush;
    };
    std::vector<Shape> shapes_;
    QTransform transform_;
};

} // namespace kluvian::areagen
