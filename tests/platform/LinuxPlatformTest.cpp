#include "platform/LinuxPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Sets environment variables for the life of the object.
class Environment {
public:
    void set(const char* name, const QByteArray& value) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name), qgetenv(name));
        qputenv(name, value);
    }
    ~Environment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            const auto& [name, wasSet, value] = *it;
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

private:
    std::vector<std::tuple<const char*, bool, QByteArray>> saved_;
};

// A socket that takes connections, as a compositor's does.
class ListeningSocket {
public:
    explicit ListeningSocket(const QByteArray& path)
        : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        listening_ =
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(fd_, 4) == 0;
    }
    ~ListeningSocket() { ::close(fd_); }
    bool isListening() const { return listening_; }

private:
    int fd_;
    bool listening_ = false;
};

// Qt's platform plugin would abort the program; the check says why first.
TEST(LinuxPlatform, TheDisplayCheckFollowsQtsPlatformPlugin) {
    QTemporaryDir runtime;
    const ListeningSocket compositor(runtime.filePath(u"wayland-7"_s).toLocal8Bit());
    ASSERT_TRUE(compositor.isListening());
    Environment environment;
    environment.set("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    environment.set("QT_QPA_PLATFORM", "wayland");
    environment.set("WAYLAND_DISPLAY", "wayland-7");
    EXPECT_EQ(LinuxPlatform::displayProblem(), std::nullopt);
    environment.set("WAYLAND_DISPLAY", runtime.filePath(u"wayland-7"_s).toLocal8Bit());
    EXPECT_EQ(LinuxPlatform::displayProblem(), std::nullopt);

    environment.set("WAYLAND_DISPLAY", "wayland-8");
    EXPECT_EQ(LinuxPlatform::displayProblem(), u"cannot open the Wayland display wayland-8"_s);
    environment.set("DISPLAY", "");
    environment.set("QT_QPA_PLATFORM", "wayland;xcb");
    EXPECT_EQ(LinuxPlatform::displayProblem(), u"cannot open the Wayland display wayland-8"_s);
    environment.set("QT_QPA_PLATFORM", "xcb:dpi=96");
    EXPECT_EQ(LinuxPlatform::displayProblem(), u"no X display: DISPLAY is not set"_s);
    // Plugins that open no display of ours.
    environment.set("QT_QPA_PLATFORM", "wayland;offscreen");
    EXPECT_EQ(LinuxPlatform::displayProblem(), std::nullopt);
}

} // namespace
