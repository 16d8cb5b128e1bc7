// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Projection.h"

#include <GL/gl.h>

namespace kluvian {

void ApplyFixedState() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    glClearColor(0, 0, 0, 1);
}

void SetWorldProjection(int clientWidth, int clientHeight) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, clientWidth, clientHeight);
    glOrtho(0, kWorldWidth, kWorldHeight, 0, -1, 1);
}

void LoadWorldModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(180, 0, 0, 1);
    glTranslatef(-kWorldWidth, -kWorldHeight, 0);
}

void SetPixelProjection(int deviceWidth, int deviceHeight, double pixelRatio) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, deviceWidth, deviceHeight);
    glOrtho(0, deviceWidth / pixelRatio, deviceHeight / pixelRatio, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace kluvian
