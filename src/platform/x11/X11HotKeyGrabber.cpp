#include "platform/x11/X11HotKeyGrabber.h"

#include "platform/x11/XcbSupport.h"

#include <QCoreApplication>
#include <QGuiApplication>

// xkb.h names a member "explicit"; clang rejects redefining a keyword unless told.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

#include <cstdlib>
#include <vector>

namespace {

bool switchOnDetectableAutoRepeat(xcb_connection_t* connection) {
    free(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(
        connection,
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                 XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
                                 XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0),
        nullptr);
    const bool on =
        reply != nullptr && (reply->value & XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT) != 0;
    free(reply);
    return on;
}

} // namespace

std::unique_ptr<X11HotKeyGrabber> X11HotKeyGrabber::create() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    return std::make_unique<X11HotKeyGrabber>(x11->connection());
}

X11HotKeyGrabber::X11HotKeyGrabber(xcb_connection_t* connection)
    : connection_(connection)
    , root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    detectableAutoRepeat_ = switchOnDetectableAutoRepeat(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11HotKeyGrabber::~X11HotKeyGrabber() {
    // Without the application Qt's connection is gone, and the grabs with it.
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const auto& [id, combination] : grabs_)
        ungrabVariants(combination);
    if (heldWindow_ != XCB_WINDOW_NONE)
        xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

bool X11HotKeyGrabber::grab(qint64 hotKeyId, const Shortcut& shortcut) {
    if (grabs_.contains(hotKeyId))
        return false;
    // The modifier map can change while we run (a keyboard plugged in).
    modifiers_ = X11KeyModifiers::query(connection_);
    const auto combination = modifiers_.combination(shortcut);
    if (!combination)
        return false;
    // A second grab of the same combination by us would silently replace the
    // first, and ungrabbing either would drop both.
    for (const auto& [id, existing] : grabs_)
        if (existing == *combination)
            return false;
    if (!grabVariants(*combination))
        return false;
    grabs_.emplace(hotKeyId, *combination);
    return true;
}

bool X11HotKeyGrabber::grabVariants(const X11KeyModifiers::Combination& combination) {
    std::vector<xcb_void_cookie_t> cookies;
    for (uint16_t locks : modifiers_.lockVariants()) {
        // owner_events false: while the grab is active every key event comes to
        // the root window, even over our own windows, so the release is seen here.
        cookies.push_back(xcb_grab_key_checked(
            connection_, 0, root_, static_cast<uint16_t>(combination.modifiers | locks),
            combination.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool refused = false;
    for (xcb_void_cookie_t cookie : cookies) {
        // BadAccess: another client holds the combination.
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            refused = true;
            free(error);
        }
    }
    if (refused)
        ungrabVariants(combination);
    return !refused;
}

void X11HotKeyGrabber::ungrabVariants(const X11KeyModifiers::Combination& combination) {
    // Ungrabbing a variant another client holds does nothing to theirs.
    for (uint16_t locks : modifiers_.lockVariants())
        xcb_ungrab_key(connection_, combination.keycode, root_,
                       static_cast<uint16_t>(combination.modifiers | locks));
}

void X11HotKeyGrabber::ungrab(qint64 hotKeyId) {
    const auto it = grabs_.find(hotKeyId);
    if (it == grabs_.end())
        return;
    ungrabVariants(it->second);
    grabs_.erase(it);
    held_.forget(hotKeyId);
    xcb_flush(connection_);
}

void X11HotKeyGrabber::setHandler(Handler handler) {
    handler_ = std::move(handler);
}

void X11HotKeyGrabber::report(qint64 hotKeyId, Event event) {
    if (const Handler handler = handler_)
        handler(hotKeyId, event);
}

void X11HotKeyGrabber::holdKeyboard(quint64 window) {
    if (heldWindow_ != XCB_WINDOW_NONE)
        ungrabKeyboard();
    heldWindow_ = static_cast<xcb_window_t>(window);
    focusElsewhere_ = false;
    if (heldWindow_ == XCB_WINDOW_NONE)
        return;
    // Only with the focus: otherwise the grab waits for the focus to come.
    const Xcb::Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    focusElsewhere_ = !focus || focus->focus != heldWindow_;
    if (!focusElsewhere_)
        grabKeyboard();
}

void X11HotKeyGrabber::grabKeyboard() {
    // owner_events false: every key comes to the held window, none to the
    // passive grabs of other programs. Another client's active grab (a
    // window switcher) refuses ours; the keys then come through the focus.
    free(xcb_grab_keyboard_reply(connection_,
                                 xcb_grab_keyboard(connection_, 0, heldWindow_, XCB_CURRENT_TIME,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                 nullptr));
}

void X11HotKeyGrabber::ungrabKeyboard() {
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

bool X11HotKeyGrabber::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* generic = static_cast<const xcb_generic_event_t*>(message);
    const uint8_t type = generic->response_type & 0x7F;
    if (heldWindow_ != XCB_WINDOW_NONE && handleHeldWindowEvent(*generic, type))
        return true;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // Key press and release events share one layout.
    return handleHotKey(*static_cast<const xcb_key_press_event_t*>(message), type);
}

bool X11HotKeyGrabber::handleHeldWindowEvent(const xcb_generic_event_t& event, uint8_t type) {
    switch (type) {
    case XCB_FOCUS_IN: {
        const auto& focus = reinterpret_cast<const xcb_focus_in_event_t&>(event);
        // Our own grab's events say nothing new; the focus coming back (also
        // after someone else's grab ended) takes the keys again.
        if (focus.event != heldWindow_ || focus.mode == XCB_NOTIFY_MODE_GRAB ||
            focus.detail == XCB_NOTIFY_DETAIL_POINTER)
            return false;
        focusElsewhere_ = false;
        grabKeyboard();
        return false;
    }
    case XCB_FOCUS_OUT: {
        const auto& focus = reinterpret_cast<const xcb_focus_out_event_t&>(event);
        if (focus.event != heldWindow_ || focus.mode == XCB_NOTIFY_MODE_GRAB ||
            focus.mode == XCB_NOTIFY_MODE_UNGRAB || focus.detail == XCB_NOTIFY_DETAIL_INFERIOR ||
            focus.detail == XCB_NOTIFY_DETAIL_POINTER)
            return false;
        // At once, not when the toolkit gets round to deactivating the
        // window: keys typed into the other program from now on are its own.
        focusElsewhere_ = true;
        ungrabKeyboard();
        return false;
    }
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE:
        // Typed into the window that took the focus before our grab ended:
        // not meant for the recorder.
        return focusElsewhere_ &&
               reinterpret_cast<const xcb_key_press_event_t&>(event).event == heldWindow_;
    default:
        return false;
    }
}

bool X11HotKeyGrabber::handleHotKey(const xcb_key_press_event_t& key, uint8_t type) {
    if (key.event != root_)
        return false;
    if (type == XCB_KEY_PRESS) {
        if (held_.isHeld(key.detail))
            return true; // auto-repeat of a held shortcut
        const uint16_t state = modifiers_.withoutLocks(key.state);
        for (const auto& [id, combination] : grabs_) {
            if (combination.keycode == key.detail && combination.modifiers == state) {
                held_.press(key.detail, id);
                report(id, Event::pressed);
                return true;
            }
        }
        return false;
    }
    if (const auto id = held_.release(key.detail)) {
        report(*id, Event::released);
        return true;
    }
    return false;
}
