#include "platform/LinuxPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A socket that takes connections, as a compositor's does.
int listenAt(const QByteArray& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Qt's platform plugin would abort the program; the check says why first.
TEST(LinuxPlatform, TheDisplayCheckFollowsQtsPlatformPlugin) {
    QTemporaryDir runtime;
    const int compositor = listenAt(runtime.filePath(u"wayland-7"_s).toLocal8Bit());
    ASSERT_GE(compositor, 0);
    const char* const names[] = {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY",
                                 "DISPLAY"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char* name : names)
        saved.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                        : std::nullopt);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString noWayland = u"cannot open the Wayland display wayland-8"_s;
    const struct {
        QByteArray platform, wayland, display;
        std::optional<QString> problem;
    } cases[] = {
        {"wayland", "wayland-7", ":0", std::nullopt},
        {"wayland", runtime.filePath(u"wayland-7"_s).toLocal8Bit(), ":0", std::nullopt},
        {"wayland", "wayland-8", ":0", noWayland},
        {"wayland;xcb", "wayland-8", "", noWayland},
        {"xcb:dpi=96", "wayland-8", "", u"no X display: DISPLAY is not set"_s},
        // Plugins that open no display of ours.
        {"wayland;offscreen", "wayland-8", "", std::nullopt},
    };
    for (const auto& c : cases) {
        qputenv("QT_QPA_PLATFORM", c.platform);
        qputenv("WAYLAND_DISPLAY", c.wayland);
        qputenv("DISPLAY", c.display);
        EXPECT_EQ(LinuxPlatform::displayProblem(), c.problem) << c.platform.constData();
    }
    for (size_t i = 0; i < saved.size(); ++i)
        saved[i] ? qputenv(names[i], *saved[i]) : qunsetenv(names[i]);
    ::close(compositor);
}

} // namespace
