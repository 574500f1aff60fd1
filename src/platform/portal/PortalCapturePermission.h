#pragma once

#include "platform/Screens.h"

#include <optional>

class PortalScreenCapture;

// Where the screen is read through the desktop's screen-sharing portal, the
// desktop asks the user in a dialog of its own the first time. A refusal
// holds until the user asks again (request(), the onboarding's button); a
// capture that finds the grab empty and preflight() false ends with the
// permission message rather than a failure.
class PortalCapturePermission : public ScreenCapturePermission {
public:
    explicit PortalCapturePermission(PortalScreenCapture& capture);

    bool asksUser() const override { return true; }
    bool preflight() const override;
    // Starts the desktop's dialog and returns at once; preflight() tells the
    // answer once the user has given it.
    bool request() override;
    // The desktops keep the choice in their own privacy settings, which no
    // address opens.
    bool openSettings() override { return false; }
    std::optional<QString> unavailableReason() const override;

private:
    PortalScreenCapture& capture_;
};
