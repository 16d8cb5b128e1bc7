// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/HudText.h"

#include <cmath>

namespace kluvian {

std::string FpsText(float Fps) {
    // nearbyint rounds halves to even in the default rounding mode.
    return std::to_string(static_cast<long long>(std::nearbyint(double(Fps)))) + " FPS";
}

std::string ScoreText(const GameState& state) {
    return "Wynik: " + std::to_string(state.Score);
}

std::string TimeText(const GameState& state) {
    return "Czas: " + std::to_string(state.TimeLeft);
}

} // namespace kluvian
