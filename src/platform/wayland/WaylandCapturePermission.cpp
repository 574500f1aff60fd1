#include "platform/wayland/WaylandCapturePermission.h"

#include <QCoreApplication>

WaylandCapturePermission::WaylandCapturePermission(bool compositorOffersScreencopy,
                                                   bool grimInstalled)
    : screencopy_(compositorOffersScreencopy)
    , grim_(grimInstalled) {}

std::optional<QString> WaylandCapturePermission::unavailableReason() const {
    if (!screencopy_)
        return QCoreApplication::translate(
            "WaylandCapturePermission",
            "This desktop lets programs read the screen only through its screen-sharing "
            "dialog, which Inkharbor cannot use yet. To capture text, log in to an X11 "
            "session or use a wlroots desktop such as Sway.");
    if (!grim_)
        return QCoreApplication::translate(
            "WaylandCapturePermission",
            "Inkharbor reads the screen of this desktop through the program grim, which is "
            "not installed. Install the package grim to capture text.");
    return std::nullopt;
}
