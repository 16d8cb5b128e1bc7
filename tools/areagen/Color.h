// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace kluvian::areagen {

// A linear mix of colours with components 0..255 as doubles.
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;

    friend Rgb operator+(Rgb a, Rgb c) { return {a.r + c.r, a.g + c.g, a.b + c.b}; }
    friend Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
    QRgb ToQRgb() const {
        auto c = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
        return qRgb(c(r), c(g), c(b));
    }
    QColor ToQColor(int alpha = 255) const {
        const QRgb q = ToQRgb();
        return QColor(qRed(q), qGreen(q), qBlue(q), alpha);
    }
};

inline Rgb Mix(Rgb a, Rgb b, double t) {
    return a * (1 - t) + b * t;
}
inline double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
inline double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

} // namespace kluvian::areagen
