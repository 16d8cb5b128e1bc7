// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SurfaceFormat.h"

namespace kluvian {

QSurfaceFormat GameSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(8);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(0);
    format.setSwapInterval(1);
    return format;
}

void UseGameSurfaceFormat() {
    QSurfaceFormat::setDefaultFormat(GameSurfaceFormat());
}

} // namespace kluvian
