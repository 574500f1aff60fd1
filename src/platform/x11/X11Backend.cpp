#include "platform/x11/X11Backend.h"

#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/x11/X11HotKeyGrabber.h"
#include "platform/x11/X11KeyboardLayout.h"
#include "platform/x11/X11Pasteboard.h"
#include "platform/x11/X11Screens.h"
#include "platform/x11/X11SystemShortcuts.h"
#include "platform/x11/X11WindowFocus.h"

#include <xcb/xcb.h>

struct X11Backend::Services {
    X11Screens screens;
    X11ScreenCapturePermission permission;
    X11WindowFocus focus;
    X11Pasteboard pasteboard;
    std::unique_ptr<HotKeyGrabber> hotKeys;
    std::unique_ptr<KeyboardLayout> keyboardLayout;
    X11SystemShortcuts systemShortcuts;

    explicit Services(const Log& clipboardLog)
        : pasteboard(clipboardLog) {
        if (auto grabber = X11HotKeyGrabber::create())
            hotKeys = std::move(grabber);
        else
            hotKeys = std::make_unique<NullHotKeyGrabber>();
        if (auto layout = X11KeyboardLayout::create())
            keyboardLayout = std::move(layout);
        else
            keyboardLayout = std::make_unique<UsKeyboardLayout>();
    }
};

X11Backend::X11Backend(const Log& clipboardLog)
    : services_(std::make_unique<Services>(clipboardLog)) {}

X11Backend::~X11Backend() = default;

std::optional<QString> X11Backend::displayProblem() {
    const QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty())
        return QStringLiteral("no X display: DISPLAY is not set");
    xcb_connection_t* connection = xcb_connect(name.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("cannot open the X display %1").arg(QString::fromLocal8Bit(name));
    return std::nullopt;
}

Screens& X11Backend::screens() {
    return services_->screens;
}
ScreenCapturePermission& X11Backend::permission() {
    return services_->permission;
}
WindowFocus& X11Backend::focus() {
    return services_->focus;
}
Pasteboard& X11Backend::pasteboard() {
    return services_->pasteboard;
}
HotKeyGrabber& X11Backend::hotKeys() {
    return *services_->hotKeys;
}
KeyboardLayout& X11Backend::keyboardLayout() {
    return *services_->keyboardLayout;
}
SystemShortcuts& X11Backend::systemShortcuts() {
    return services_->systemShortcuts;
}
