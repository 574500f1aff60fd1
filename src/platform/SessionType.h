#pragma once

#include <QString>

#include <functional>

// Which desktop backend a session needs, and why: the log says both.
struct BackendChoice {
    enum class Backend { x11, wayland };

    Backend backend = Backend::x11;
    QString reason;

    bool operator==(const BackendChoice&) const = default;
};

// Reads the session's environment through `variable` (empty when unset):
// INKHARBOR_PLATFORM=x11|wayland overrides; then XDG_SESSION_TYPE; then
// whichever of WAYLAND_DISPLAY and DISPLAY is set, Wayland first. Without any
// of them it is X11, whose services then say there is no display.
BackendChoice chooseBackend(const std::function<QString(const char*)>& variable);

// The same over the process's own environment.
BackendChoice chooseBackend();

// The name Qt's platform plugin has for the backend ("xcb", "wayland").
QString qtPlatformName(BackendChoice::Backend backend);
