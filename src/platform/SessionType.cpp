#include "platform/SessionType.h"

#include <QtGlobal>

#include <optional>

namespace {

using Backend = BackendChoice::Backend;

std::optional<Backend> backendNamed(const QString& name) {
    const QString lower = name.trimmed().toLower();
    if (lower == u"x11")
        return Backend::x11;
    if (lower == u"wayland")
        return Backend::wayland;
    return std::nullopt;
}

} // namespace

BackendChoice chooseBackend(const std::function<QString(const char*)>& variable) {
    const QString forced = variable("INKHARBOR_PLATFORM");
    if (!forced.isEmpty()) {
        if (const auto backend = backendNamed(forced))
            return {*backend, QStringLiteral("INKHARBOR_PLATFORM=%1").arg(forced)};
    }
    const QString session = variable("XDG_SESSION_TYPE");
    if (const auto backend = backendNamed(session))
        return {*backend, QStringLiteral("XDG_SESSION_TYPE=%1").arg(session)};
    if (!variable("WAYLAND_DISPLAY").isEmpty())
        return {Backend::wayland, QStringLiteral("WAYLAND_DISPLAY is set")};
    if (!variable("DISPLAY").isEmpty())
        return {Backend::x11, QStringLiteral("DISPLAY is set")};
    return {Backend::x11, QStringLiteral("no session type and no display in the environment")};
}

BackendChoice chooseBackend() {
    return chooseBackend([](const char* name) { return qEnvironmentVariable(name); });
}

QString qtPlatformName(BackendChoice::Backend backend) {
    return backend == Backend::wayland ? QStringLiteral("wayland") : QStringLiteral("xcb");
}
