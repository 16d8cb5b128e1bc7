// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PickBuffer.h"

#include <GL/gl.h>

namespace kluvian {

void PickBuffer::Bind(int width, int height) {
    const QSize size(std::max(width, 1), std::max(height, 1));
    if (!fbo_ || fbo_->size() != size) {
        fbo_.reset();
        fbo_ = std::make_unique<QOpenGLFramebufferObject>(
            size, QOpenGLFramebufferObject::CombinedDepthStencil);
    }
    fbo_->bind();
}

std::uint8_t PickBuffer::RedAt(int x, int y) const {
    if (!fbo_ || x < 0 || y < 0 || x >= fbo_->width() || y >= fbo_->height())
        return 0;
    std::uint8_t red = 0;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, fbo_->height() - 1 - y, 1, 1, GL_RED, GL_UNSIGNED_BYTE, &red);
    return red;
}

void PickBuffer::Release() {
    if (fbo_)
        fbo_->release();
}

} // namespace kluvian
