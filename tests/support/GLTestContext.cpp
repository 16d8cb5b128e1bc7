// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GLTestContext.h"

#include <GL/gl.h>
#include <stdexcept>

namespace kluvian::test {

GLTestContext::GLTestContext(int width, int height) : width_(width), height_(height) {
    surface_.setFormat(QSurfaceFormat::defaultFormat());
    surface_.create();
    context_.setFormat(QSurfaceFormat::defaultFormat());
    if (!context_.create())
        throw std::runtime_error("cannot create a GL context");
    MakeCurrent();
    QOpenGLFramebufferObjectFormat fboFormat;
    fboFormat.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo_ = std::make_unique<QOpenGLFramebufferObject>(width, height, fboFormat);
    fbo_->bind();
    glViewport(0, 0, width, height);
}

GLTestContext::~GLTestContext() {
    context_.makeCurrent(&surface_);
    fbo_.reset();
    context_.doneCurrent();
}

void GLTestContext::MakeCurrent() {
    if (!context_.makeCurrent(&surface_))
        throw std::runtime_error("cannot make the GL context current");
    if (fbo_)
        fbo_->bind();
}

std::array<std::uint8_t, 4> GLTestContext::Pixel(int x, int y) const {
    std::array<std::uint8_t, 4> rgba{};
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, height_ - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

} // namespace kluvian::test
