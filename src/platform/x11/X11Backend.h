#pragma once

#include "platform/DesktopBackend.h"

#include <QString>

#include <memory>
#include <optional>

class Log;

// The desktop services of an X11 session. Where there is no X display (or no
// keyboard extension) the key services fall back to ones that grab nothing
// and assume a US layout, so the program still starts and says why.
class X11Backend final : public DesktopBackend {
public:
    explicit X11Backend(const Log& clipboardLog);
    ~X11Backend() override;
    X11Backend(const X11Backend&) = delete;
    X11Backend& operator=(const X11Backend&) = delete;

    Screens& screens() override;
    ScreenCapturePermission& permission() override;
    WindowFocus& focus() override;
    Pasteboard& pasteboard() override;
    HotKeyGrabber& hotKeys() override;
    KeyboardLayout& keyboardLayout() override;
    SystemShortcuts& systemShortcuts() override;

    // Why $DISPLAY cannot be opened, or nothing when it can.
    static std::optional<QString> displayProblem();

private:
    struct Services;
    std::unique_ptr<Services> services_;
};
