#include "platform/x11/X11WindowFocus.h"

#include <QGuiApplication>

#include "platform/x11/XcbSupport.h"

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace Xcb;

namespace {
xcb_connection_t* connection() {
    return qtConnection();
}
} // namespace

quint64 X11WindowFocus::activeWindow() const {
    xcb_connection_t* c = connection();
    if (!c)
        return 0;
    const QByteArray active =
        property(c, rootWindow(c), atom(c, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    if (active.size() == 4) {
        xcb_window_t w = 0;
        std::memcpy(&w, active.constData(), 4);
        if (w != XCB_WINDOW_NONE)
            return w;
    }
    Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (!focus || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT || focus->focus == XCB_WINDOW_NONE)
        return 0;
    return focus->focus;
}

QString X11WindowFocus::activeApplicationName() const {
    xcb_connection_t* c = connection();
    const quint64 window = activeWindow();
    if (!c || !window)
        return {};
    // WM_CLASS holds the instance and the class name, each NUL-terminated.
    const QByteArray wmClass =
        property(c, xcb_window_t(window), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    const QList<QByteArray> parts = wmClass.split('\0');
    return parts.size() >= 2 ? QString::fromLocal8Bit(parts[1]) : QString();
}

void X11WindowFocus::activate(quint64 window) {
    xcb_connection_t* c = connection();
    if (!c || !window)
        return;
    const xcb_window_t root = rootWindow(c);
    const xcb_atom_t netActive = atom(c, "_NET_ACTIVE_WINDOW");
    const QByteArray supported = property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    bool managerActivates = false;
    for (qsizetype i = 0; i + 4 <= supported.size(); i += 4) {
        xcb_atom_t a = 0;
        std::memcpy(&a, supported.constData() + i, 4);
        managerActivates = managerActivates || a == netActive;
    }
    if (managerActivates) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = xcb_window_t(window);
        event.type = netActive;
        event.data.data32[0] = 2; // from a pager: the user asked for it, no focus-stealing guard
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    } else {
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, xcb_window_t(window),
                            XCB_CURRENT_TIME);
    }
    xcb_flush(c);
}
