#pragma once

#include "platform/Screens.h"

// On wlroots compositors any program may read the screen through their
// screencopy protocol (grim), without a dialog, as on X11.
class WaylandCapturePermission : public ScreenCapturePermission {
public:
    bool asksUser() const override { return false; }
    bool preflight() const override { return true; }
    bool request() override { return true; }
    bool openSettings() override { return false; }
};
