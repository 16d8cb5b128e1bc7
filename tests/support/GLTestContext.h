// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <array>
#include <cstdint>
#include <memory>

namespace kluvian::test {

// A current compatibility-profile GL context drawing into an off-screen framebuffer of
// the given size, for tests that render and read pixels back without a window.
class GLTestContext {
public:
    explicit GLTestContext(int width = 800, int height = 600);
    ~GLTestContext();

    int Width() const { return width_; }
    int Height() const { return height_; }
    // RGBA of the pixel at column x, row y counted from the top.
    std::array<std::uint8_t, 4> Pixel(int x, int y) const;
    QOpenGLContext& Context() { return context_; }
    QOpenGLFramebufferObject& Framebuffer() { return *fbo_; }
    // Makes the context current and binds the framebuffer again.
    void MakeCurrent();

private:
    int width_;
    int height_;
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

} // namespace kluvian::test
