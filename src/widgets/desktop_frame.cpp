// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/desktop_frame.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeDeleter>;

xcb_atom_t internFrameExtentsAtom(xcb_connection_t* connection) {
    static const char Name[] = "_NET_FRAME_EXTENTS";
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof Name - 1, Name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::optional<QMargins> x11FrameOf(xcb_connection_t* connection, xcb_window_t window) {
    // The program has one X connection, so the atom is looked up once.
    static const xcb_atom_t atom = internFrameExtentsAtom(connection);
    if (atom == XCB_ATOM_NONE) return std::nullopt;
    constexpr uint32_t ExtentCount = 4;  // left, right, top, bottom
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, 0, ExtentCount), nullptr));
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != int(ExtentCount * sizeof(uint32_t)))
        return std::nullopt;
    const auto* extents = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

}  // namespace

std::optional<QMargins> DesktopFrameOf(const QWidget& window) {
    // Only on the X platform itself: others may offer an X connection of
    // their own (for OpenGL) with no window manager behind it.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (!window.windowHandle()) return std::nullopt;
        return x11FrameOf(x11->connection(), xcb_window_t(window.winId()));
    }
    const QRect outer = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - outer.left(), client.top() - outer.top(),
                    outer.right() - client.right(), outer.bottom() - client.bottom());
}
