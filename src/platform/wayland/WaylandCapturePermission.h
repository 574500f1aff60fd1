#pragma once

#include "platform/Screens.h"

// On wlroots compositors any program may read the screen through their
// screencopy protocol, without a dialog, as on X11. Elsewhere (GNOME, KDE
// Plasma) the screen is reached only through the desktop's screen-sharing
// portal, which this program does not speak yet: there capture is not
// available, and the user is told so.
class WaylandCapturePermission : public ScreenCapturePermission {
public:
    // Whether the compositor offers screencopy, and whether grim is installed.
    WaylandCapturePermission(bool compositorOffersScreencopy, bool grimInstalled);

    bool asksUser() const override { return false; }
    bool preflight() const override { return !unavailableReason(); }
    bool request() override { return preflight(); }
    bool openSettings() override { return false; }
    std::optional<QString> unavailableReason() const override;

private:
    bool screencopy_;
    bool grim_;
};
