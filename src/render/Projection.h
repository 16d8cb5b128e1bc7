// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLayout.h"

namespace kluvian {

// The state every frame relies on: depth test on but always passing (drawing order alone
// decides), black clear colour.
void ApplyFixedState();

// World frame: the 800 x 600 world stretched over the whole drawing, x growing to the left
// on the screen and y upwards. Sizes are the drawing's in device pixels.
void SetWorldProjection(int clientWidth, int clientHeight);
void LoadWorldModelView();

// Pixel frame: units are the drawing's logical pixels, as the mouse reports them, origin at
// the top left, y downwards. The viewport is in device pixels; pixelRatio is device pixels
// per logical pixel (above 1 on a scaled desktop).
void SetPixelProjection(int deviceWidth, int deviceHeight, double pixelRatio);

} // namespace kluvian
