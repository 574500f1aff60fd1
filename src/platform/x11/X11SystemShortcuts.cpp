#include "platform/x11/X11SystemShortcuts.h"

#include "platform/x11/X11KeyModifiers.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <vector>

X11SystemShortcuts::X11SystemShortcuts(QByteArray displayName)
    : displayName_(std::move(displayName)) {}

bool X11SystemShortcuts::isTaken(const Shortcut& shortcut) {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(displayName_.isEmpty() ? nullptr : displayName_.constData(), &screenNumber),
        &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return false;

    const X11KeyModifiers modifiers = X11KeyModifiers::query(connection.get());
    const auto combination = modifiers.combination(shortcut);
    if (!combination)
        return false;
    std::vector<xcb_void_cookie_t> cookies;
    for (uint16_t locks : modifiers.lockVariants())
        cookies.push_back(
            xcb_grab_key_checked(connection.get(), 0, screens.data->root,
                                 static_cast<uint16_t>(combination->modifiers | locks),
                                 combination->keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool taken = false;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection.get(), cookie)) {
            taken = taken || error->error_code == XCB_ACCESS;
            free(error);
        }
    }
    // Closing the connection releases whatever the trial grabbed.
    return taken;
}
