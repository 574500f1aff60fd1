#pragma once

#include "platform/DesktopBackend.h"

#include <memory>

class Log;
class UserDefaults;

// The desktop services of a Wayland session. A Wayland compositor lets no
// program grab keys, see other programs' windows or place windows at global
// positions; what it cannot do is reported as such (the screens say when they
// cannot be read). Global shortcuts go through the desktop's portal where it
// has one (KDE Plasma, GNOME 48 and later); elsewhere the hot keys say there
// are none. The screen is read
// through grim on wlroots compositors, without a dialog; elsewhere (GNOME, KDE
// Plasma) through the screen-sharing portal, which asks the user once.
class WaylandBackend final : public DesktopBackend {
public:
    // The settings keep the screen-sharing portal's token.
    WaylandBackend(const Log& log, UserDefaults& defaults);
    ~WaylandBackend() override;
    WaylandBackend(const WaylandBackend&) = delete;
    WaylandBackend& operator=(const WaylandBackend&) = delete;

    Screens& screens() override;
    ScreenCapturePermission& permission() override;
    WindowFocus& focus() override;
    Pasteboard& pasteboard() override;
    HotKeyGrabber& hotKeys() override;
    KeyboardLayout& keyboardLayout() override;
    SystemShortcuts& systemShortcuts() override;

private:
    struct Services;
    std::unique_ptr<Services> services_;
};
