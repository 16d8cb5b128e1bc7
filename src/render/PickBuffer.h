// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLFramebufferObject>

#include <cstdint>
#include <memory>

namespace kluvian {

// The off-screen framebuffer the picking pass renders into, so a pass can never reach the
// screen. Reused between shots; resized with the drawing. Use with a current context.
class PickBuffer {
public:
    // Binds a framebuffer of the given size in device pixels, making or remaking it as needed.
    void Bind(int width, int height);
    // The red byte at column x, row y counted from the top; 0 outside the buffer.
    std::uint8_t RedAt(int x, int y) const;
    void Release();

private:
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

} // namespace kluvian
