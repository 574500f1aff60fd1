#include "platform/wayland/WaylandBackend.h"

#include "platform/NoSystemShortcuts.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/Log.h"
#include "platform/wayland/WaylandCapturePermission.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandPasteboard.h"
#include "platform/wayland/WaylandScreens.h"
#include "platform/wayland/WaylandWindowFocus.h"

#include <QStandardPaths>

namespace {

const QString screencopy = QStringLiteral("zwlr_screencopy_manager_v1");

} // namespace

struct WaylandBackend::Services {
    QString grim = QStandardPaths::findExecutable(QStringLiteral("grim"));
    bool offersScreencopy = WaylandGlobals::interfaces().contains(screencopy);
    WaylandScreens screens{offersScreencopy ? grim : QString()};
    WaylandCapturePermission permission{offersScreencopy, !grim.isEmpty()};
    WaylandWindowFocus focus;
    WaylandPasteboard pasteboard;
    NullHotKeyGrabber hotKeys;
    UsKeyboardLayout keyboardLayout;
    NoSystemShortcuts systemShortcuts;
};

WaylandBackend::WaylandBackend(const Log& log)
    : services_(std::make_unique<Services>()) {
    const Services& s = *services_;
    if (const auto reason = s.permission.unavailableReason())
        log.error("Screen capture is not available (screencopy: %{bool}d, grim: %{public}s)",
                  s.offersScreencopy, s.grim.isEmpty() ? QStringLiteral("none") : s.grim);
    else
        log.info("Screen capture through %{public}s", s.grim);
    log.info("No global shortcuts on Wayland: bind inkharbor --capture-text in the desktop's "
             "keyboard settings");
}

WaylandBackend::~WaylandBackend() = default;

Screens& WaylandBackend::screens() {
    return services_->screens;
}
ScreenCapturePermission& WaylandBackend::permission() {
    return services_->permission;
}
WindowFocus& WaylandBackend::focus() {
    return services_->focus;
}
Pasteboard& WaylandBackend::pasteboard() {
    return services_->pasteboard;
}
HotKeyGrabber& WaylandBackend::hotKeys() {
    return services_->hotKeys;
}
KeyboardLayout& WaylandBackend::keyboardLayout() {
    return services_->keyboardLayout;
}
SystemShortcuts& WaylandBackend::systemShortcuts() {
    return services_->systemShortcuts;
}
