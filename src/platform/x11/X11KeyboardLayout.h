#pragma once

#include "platform/KeyboardLayout.h"

#include <xcb/xcb.h>

#include <memory>

struct xkb_context;

// The character a key prints, from the X server's current keymap through
// xkbcommon. The keymap is read for every question, so a layout switched
// since the last one is seen; a shortcut's text is wanted rarely.
class X11KeyboardLayout final : public KeyboardLayout {
public:
    // nullptr when the application does not run on an X server.
    static std::unique_ptr<X11KeyboardLayout> create();

    explicit X11KeyboardLayout(xcb_connection_t* connection);
    ~X11KeyboardLayout() override;

    std::optional<QString> character(qint64 carbonKeyCode) const override;

private:
    xcb_connection_t* connection_;
    xkb_context* context_;
    int32_t deviceId_ = -1;
};
