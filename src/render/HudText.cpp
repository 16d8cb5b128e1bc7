// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/HudText.h"

#include "platform/CodePage.h"

#include <QCoreApplication>

#include <cmath>

namespace kluvian {

std::string PauseText() {
    //: The bitmap font of the game's picture: letters of code page 1250 only (Polish,
    //: German, ...), in glyphs of 60 units over an 800-unit view: at most 20 characters.
    return ToCp1250(QCoreApplication::translate("HudText", "Pauza"));
}

long long RoundedFps(float Fps) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<long long>(std::nearbyint(double(Fps)));
}

std::string FpsText(float Fps) {
    const long long rounded = RoundedFps(Fps);
    //: Frames a second, in the bottom-right corner of the game's picture (bitmap font: code
    //: page 1250 letters only).
    return ToCp1250(QCoreApplication::translate("HudText", "%1 FPS").arg(rounded));
}

std::string ScoreText(std::int32_t Score) {
    //: The score, top left of the game's picture (bitmap font: code page 1250 letters only).
    return ToCp1250(QCoreApplication::translate("HudText", "Wynik: %1").arg(Score));
}

std::string TimeText(std::int32_t TimeLeft) {
    //: The seconds left, below the score (bitmap font: code page 1250 letters only).
    return ToCp1250(QCoreApplication::translate("HudText", "Czas: %1").arg(TimeLeft));
}

} // namespace kluvian
