// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Figure.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kluvian::areagen {

namespace {

constexpr double kHalfExtent = 0.95;

// Averages factor x factor blocks of a premultiplied picture.
QImage Shrink(const QImage& big, int factor) {
    const int n = big.width() / factor;
    QImage out(n, n, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < n; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < n; ++x) {
            std::array<int, 4> sum{};
            for (int dy = 0; dy < factor; ++dy) {
                const auto* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = src[x * factor + dx];
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                }
            }
            auto avg = [&](int s) { return (s + area / 2) / area; };
            line[x] = qRgba(avg(sum[0]), avg(sum[1]), avg(sum[2]), avg(sum[3]));
        }
    }
    return out;
}

// A Gaussian blur of `sigma` pixels over a premultiplied picture, edges clamped to clear.
QImage Soften(const QImage& image, double sigma) {
    const int n = image.width();
    const int reach = int(std::ceil(3 * sigma));
    std::vector<double> kernel(std::size_t(2 * reach + 1));
    double total = 0;
    for (int i = -reach; i <= reach; ++i)
        total += kernel[std::size_t(i + reach)] = std::exp(-i * i / (2 * sigma * sigma));
    for (double& k : kernel)
        k /= total;
    std::vector<std::array<double, 4>> a(std::size_t(n) * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QRgb p = image.pixel(x, y);
            a[std::size_t(y) * n + x] = {double(qRed(p)), double(qGreen(p)), double(qBlue(p)),
                                         double(qAlpha(p))};
        }
    std::vector<std::array<double, 4>> b(a.size());
    for (const bool across : {true, false}) {
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                std::array<double, 4> sum{};
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = across ? x + i : x;
                    const int sy = across ? y : y + i;
                    if (sx < 0 || sy < 0 || sx >= n || sy >= n)
                        continue;
                    const auto& q = a[std::size_t(sy) * n + sx];
                    for (int c = 0; c < 4; ++c)
                        sum[std::size_t(c)] += kernel[std::size_t(i + reach)] * q[std::size_t(c)];
                }
                b[std::size_t(y) * n + x] = sum;
            }
        std::swap(a, b);
    }
    QImage out(n, n, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < n; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const auto& q = a[std::size_t(y) * n + x];
            const int alpha = std::clamp(int(std::lround(q[3])), 0, 255);
            auto channel = [&](double v) { return std::clamp(int(std::lround(v)), 0, alpha); };
            line[x] = qRgba(channel(q[0]), channel(q[1]), channel(q[2]), alpha);
        }
    }
    return out;
}

// Gives every fully transparent pixel next to covered ones their alpha-weighted colour.
void BleedIntoTransparent(QImage& image, int passes) {
    const int n = image.width();
    for (int pass = 0; pass < passes; ++pass) {
        const QImage before = image.copy();
        for (int y = 0; y < n; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < n; ++x) {
                const QRgb here = before.pixel(x, y);
                if (qAlpha(here) > 0 || (pass > 0 && (here & 0xFFFFFFu) != 0))
                    continue;
                double r = 0, g = 0, b = 0, w = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = x + dx;
                        const int sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= n || sy >= n)
                            continue;
                        const QRgb q = before.pixel(sx, sy);
                        // Pixels bled in an earlier pass count a little, covered ones fully.
                        const double weight = qAlpha(q) > 0 ? qAlpha(q) : ((q & 0xFFFFFFu) ? 1 : 0);
                        r += qRed(q) * weight;
                        g += qGreen(q) * weight;
                        b += qBlue(q) * weight;
                        w += weight;
                    }
                if (w > 0)
                    line[x] = qRgba(int(r / w + 0.5), int(g / w + 0.5), int(b / w + 0.5), 0);
            }
        }
    }
}

} // namespace

void Figure::Fill(const QPainterPath& path, const QBrush& brush) {
    QBrush mapped = brush;
    mapped.setTransform(brush.transform() * transform_);
    shapes_.push_back({transform_.map(path), mapped});
}

void Figure::Ellipse(QPointF centre, double rx, double ry, const QBrush& brush) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    Fill(path, brush);
}

void Figure::Line(QPointF a, QPointF b, double width, const QColor& color) {
    QPainterPath line;
    line.moveTo(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    Fill(stroker.createStroke(line), color);
}

QImage Figure::Render(int pixels, double rim, double rimStrength, double softness) const {
    // Enough samples per pixel that thin strokes and the rim keep their exact weight.
    const int factor = std::max(2, 512 / pixels);
    const int size = pixels * factor;
    auto begin = [size](QPainter& p, QImage& image) {
        p.begin(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(size / 2.0, size / 2.0);
        p.scale(size / (2 * kHalfExtent), size / (2 * kHalfExtent));
        p.setPen(Qt::NoPen);
    };

    QImage halo(size, size, QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    QPainter p;
    begin(p, halo);
    const QColor dark(16, 12, 10);
    const QPen edge(dark, 2 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const Shape& s : shapes_) {
        p.fillPath(s.path, dark);
        p.strokePath(s.path, edge);
    }
    p.end();

    QImage big(size, size, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    p.begin(&big);
    p.setOpacity(rimStrength);
    p.drawImage(0, 0, halo);
    p.end();
    begin(p, big);
    for (const Shape& s : shapes_)
        p.fillPath(s.path, s.brush);
    p.end();

    QImage small = Shrink(big, factor);
    if (softness > 0)
        small = Soften(small, softness);
    QImage out = small.convertToFormat(QImage::Format_ARGB32);
    BleedIntoTransparent(out, 2);
    return out;
}

} // namespace kluvian::areagen
