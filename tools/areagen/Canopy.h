// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Color.h"
#include "areagen/Noise.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kluvian::areagen {

// How a distant wooded slope looks: rows of conifer crowns, one row behind the other.
struct CanopyStyle {
    double rowStep; // rows between one line of crowns and the next, at the top of the slope
    double crown;   // height of a crown there; crowns lower down, nearer the viewer, grow
    double slender; // half-width of a crown's foot over its height
    Rgb shadow;     // a crown's side turned away from the sun
    Rgb lit;        // its sunlit side
    Rgb gap;        // the dark between the crowns
    std::uint32_t seed;
    // Larches standing among the spruces, with crowns of their own colours.
    double larchShare = 0;
    Rgb larchShadow{};
    Rgb larchLit{};
    // Snow lying on the branches: how much of each tier it covers, 0..1.
    double snow = 0;
    Rgb snowShade{};
    Rgb snowLit{};
};

// A slope covered in conifers whose upper edge follows a hill line. Coordinates are panorama
// units (x across, y down); `pixelWidth` is the width of one texel in those units, over which
// the crowns' edges are smoothed.
class Canopy {
public:
    // hill[i] is the hill line's row at x = x0 + i * dx.
    Canopy(const CanopyStyle& style, std::vector<double> hill, double x0, double dx,
           double pixelWidth);

    // The highest row any crown reaches at x: the tree tops stand above the hill line.
    double Top(double x) const;

    struct Sample {
        Rgb color;
        double cover = 0; // 0 clear (sky or the slope behind shows), 1 fully wooded
    };
    // What covers the texel at (x, y). `sun` is -1..1, the side the light comes from.
    Sample At(double x, double y, double sun) const;

private:
    struct Crown {
        double x;    // centre
        double apex; // row of the tip
        double height;
        double tone;
        bool larch;
    };
    struct Row {
        double depth;  // below the hill line
        double growth; // size of its crowns against the top row's
        double width;  // of a cell holding one crown
        double shift;  // of the first cell
    };
    double HillAt(double x) const;
    double RowDepth(int k) const;
    double Growth(double depth) const;
    Row RowAt(int k) const;
    // The crowns of row k standing at or next to x, at most three; returns how many.
    int CrownsNear(int k, double x, std::array<Crown, 3>& crowns) const;
    // The share of the texel at (x, y) the crown covers, its lighting 0..1 and how much snow
    // lies there 0..1.
    double Coverage(const Crown& c, double x, double y, double& light, double& snow,
                    double sun) const;

    CanopyStyle style_;
    std::vector<double> hill_;
    double x0_;
    double dx_;
    double pixelWidth_;
    Noise stands_;
};

} // namespace kluvian::areagen
