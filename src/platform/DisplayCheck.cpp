// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayCheck.h"

#include <wayland-client-core.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace kluvian {
namespace {

bool CanOpenX(const std::string& name) {
    if (name.empty())
        return false;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(name.c_str(), nullptr), xcb_disconnect);
    return xcb_connection_has_error(connection.get()) == 0;
}

bool CanOpenWayland(const std::string& name) {
    // libwayland says so on standard error itself when it has no folder for a relative name.
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (!name.starts_with('/') && (runtimeDir == nullptr || *runtimeDir == '\0'))
        return false;
    wl_display* display = wl_display_connect(name.c_str());
    if (display == nullptr)
        return false;
    wl_display_disconnect(display);
    return true;
}

} // namespace

bool CanOpenDisplay(DisplayKind kind, const std::string& name) {
    return kind == DisplayKind::X ? CanOpenX(name) : CanOpenWayland(name);
}

} // namespace kluvian
