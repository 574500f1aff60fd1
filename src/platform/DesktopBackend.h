#pragma once

class HotKeyGrabber;
class KeyboardLayout;
class Pasteboard;
class ScreenCapturePermission;
class Screens;
class SystemShortcuts;
class WindowFocus;

// The services whose implementation depends on the kind of session the
// program runs in (X11 or Wayland). Each backend folder has one of these; the
// loader picks it.
class DesktopBackend {
public:
    virtual ~DesktopBackend() = default;

    virtual Screens& screens() = 0;
    virtual ScreenCapturePermission& permission() = 0;
    virtual WindowFocus& focus() = 0;
    virtual Pasteboard& pasteboard() = 0;
    virtual HotKeyGrabber& hotKeys() = 0;
    virtual KeyboardLayout& keyboardLayout() = 0;
    virtual SystemShortcuts& systemShortcuts() = 0;
};
