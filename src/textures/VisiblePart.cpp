// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/VisiblePart.h"

#include <algorithm>

namespace kluvian {
namespace {

constexpr int kMarginTexels = 2;

bool PowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

} // namespace

VisiblePart MeasureVisiblePart(const Picture& picture) {
    const int w = picture.width;
    const int h = picture.height;
    if (picture.channels != 4 || !PowerOfTwo(w) || !PowerOfTwo(h) ||
        picture.pixels.size() < std::size_t(w) * std::size_t(h) * 4)
        return {};
    const auto alpha = [&](int x, int y) {
        return picture.pixels[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4 + 3];
    };
    const auto rowVisible = [&](int y) {
        for (int x = 0; x < w; ++x)
            if (alpha(x, y) != 0)
                return true;
        return false;
    };
    // Rows from either end until one shows something; then columns, only across those rows,
    // each from the row most likely to show it.
    int top = h - 1;
    while (top >= 0 && !rowVisible(top))
        --top;
    if (top < 0)
        return {0, 1, 0, 0};
    int bottom = 0;
    while (!rowVisible(bottom))
        ++bottom;
    const auto columnVisible = [&](int x) {
        for (int y = bottom; y <= top; ++y)
            if (alpha(x, y) != 0)
                return true;
        return false;
    };
    int left = 0;
    while (!columnVisible(left))
        ++left;
    int right = w - 1;
    while (!columnVisible(right))
        --right;
    const auto edge = [](int texel, int size) {
        return float(std::clamp(texel, 0, size)) / float(size);
    };
    return {edge(left - kMarginTexels, w), edge(right + 1 + kMarginTexels, w),
            edge(bottom - kMarginTexels, h), edge(top + 1 + kMarginTexels, h)};
}

} // namespace kluvian
