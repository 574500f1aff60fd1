#include "platform/wayland/WaylandBackend.h"

#include "platform/NoSystemShortcuts.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/Log.h"
#include "platform/portal/PortalCapturePermission.h"
#include "platform/portal/PortalHotKeyGrabber.h"
#include "platform/portal/PortalScreenCapture.h"
#include "platform/wayland/WaylandCapturePermission.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandPasteboard.h"
#include "platform/wayland/WaylandScreens.h"
#include "platform/wayland/WaylandWindowFocus.h"

#include <QDBusConnection>
#include <QStandardPaths>

namespace {

const QString screencopy = QStringLiteral("zwlr_screencopy_manager_v1");

} // namespace

struct WaylandBackend::Services {
    QString grim = QStandardPaths::findExecutable(QStringLiteral("grim"));
    bool offersScreencopy = WaylandGlobals::interfaces().contains(screencopy);
    bool usesGrim = offersScreencopy && !grim.isEmpty();
    PortalScreenCapture portal;
    WaylandScreens screens{usesGrim ? grim : QString(), usesGrim ? nullptr : &portal};
    WaylandCapturePermission grimPermission;
    PortalCapturePermission portalPermission{portal};
    WaylandWindowFocus focus;
    WaylandPasteboard pasteboard;
    PortalHotKeyGrabber hotKeys{QDBusConnection::sessionBus()};
    UsKeyboardLayout keyboardLayout;
    NoSystemShortcuts systemShortcuts;

    explicit Services(UserDefaults& defaults)
        : portal(QDBusConnection::sessionBus(), defaults) {}
};

WaylandBackend::WaylandBackend(const Log& log, UserDefaults& defaults)
    : services_(std::make_unique<Services>(defaults)) {
    Services& s = *services_;
    if (s.usesGrim) {
        log.info("Screen capture through %{public}s", s.grim);
    } else {
        log.info("Screen capture through the screen-sharing portal (screencopy: %{bool}d, grim: "
                 "%{public}s)",
                 s.offersScreencopy, s.grim.isEmpty() ? QStringLiteral("none") : s.grim);
        // Known before the first capture whether there is a portal at all.
        s.portal.probe().then([log](bool found) {
            if (!found)
                log.error("No screen-sharing portal: screen capture is not available");
        });
    }
    // Known once the desktop answers the first bind.
    QObject::connect(&s.hotKeys, &PortalHotKeyGrabber::bindingsChanged, &s.hotKeys,
                     [log, &hotKeys = s.hotKeys] {
                         if (hotKeys.available() == true)
                             log.info("Global shortcuts through the desktop's portal");
                         else
                             log.info("No global shortcuts (%{public}s): bind inkharbor "
                                      "--capture-text in the desktop's keyboard settings",
                                      hotKeys.lastError());
                     });
}

WaylandBackend::~WaylandBackend() = default;

Screens& WaylandBackend::screens() {
    return services_->screens;
}
ScreenCapturePermission& WaylandBackend::permission() {
    if (services_->usesGrim)
        return services_->grimPermission;
    return services_->portalPermission;
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
