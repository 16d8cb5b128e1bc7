// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PointerOnTop.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace kluvian {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
using PointerReply = std::unique_ptr<xcb_query_pointer_reply_t, FreeReply>;

PointerReply QueryPointer(xcb_connection_t* connection, xcb_window_t window) {
    return PointerReply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
}

// Deeper than any desktop nests its windows.
constexpr int kMaxDepth = 32;

} // namespace

bool PointerOnTop(WId window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return false;
    xcb_connection_t* connection = x11->connection();
    const PointerReply own = QueryPointer(connection, xcb_window_t(window));
    if (!own || !own->same_screen)
        return false;
    // X finds the window under the pointer by the stacking order. Its answer, followed down
    // from the root, ends at the innermost window there.
    xcb_window_t at = own->root;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        const PointerReply reply = QueryPointer(connection, at);
        if (!reply || reply->child == XCB_WINDOW_NONE)
            return false;
        if (reply->child == xcb_window_t(window))
            return true;
        at = reply->child;
    }
    return false;
}

} // namespace kluvian
