#pragma once

#include "platform/DesktopBackend.h"

#include <memory>

class Log;

// The desktop services of a Wayland session. A Wayland compositor lets no
// program grab keys, see other programs' windows or place windows at global
// positions; what it cannot do is reported as such (the hot keys say they
// grab nothing, the screens say when they cannot be read).
class WaylandBackend final : public DesktopBackend {
public:
    explicit WaylandBackend(const Log& log);
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
