// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "areagen/Color.h"

#include <QImage>

namespace kluvian::areagen {

inline constexpr int kWingFrames = 6;

// The colouring of one size group; all are the same bald-headed vulture.
struct Plumage {
    Rgb coverts; // underwing coverts and belly
    Rgb flight;  // flight feathers and tail
    Rgb ruff;
    Rgb skin; // bald head
    Rgb beak;
    double rim;         // dark rim around the bird, in drawing units
    double rimStrength; // its opacity
};

// A vulture facing and flying right on a transparent pixels x pixels square: frame 0..5 of
// one wing-beat cycle. `drawnAt` > 0 is the edge in view units at which the game draws the
// picture: it is then softened just enough that linear filtering shows it there without
// aliasing, yet sharp when the window is maximised.
QImage PaintVulture(int pixels, int frame, const Plumage& plumage, double drawnAt = 0);
// The same bird hit: tumbling, wings crumpled, loose feathers about it.
QImage PaintFallingVulture(int pixels, const Plumage& plumage, double drawnAt = 0);

} // namespace kluvian::areagen
