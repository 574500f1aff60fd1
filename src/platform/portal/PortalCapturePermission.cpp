#include "platform/portal/PortalCapturePermission.h"

#include "platform/portal/PortalScreenCapture.h"

PortalCapturePermission::PortalCapturePermission(PortalScreenCapture& capture)
    : capture_(capture) {}

bool PortalCapturePermission::preflight() const {
    return !capture_.refused() && !capture_.unavailableReason();
}

bool PortalCapturePermission::request() {
    capture_.requestConsent().then([](bool) {});
    return preflight();
}

std::optional<QString> PortalCapturePermission::unavailableReason() const {
    return capture_.unavailableReason();
}
