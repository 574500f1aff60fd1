#pragma once

#include "platform/Platform.h"
#include "platform/SessionType.h"

#include <QString>

#include <memory>
#include <optional>

// The loader: the one place that chooses the desktop services. The session's
// backend (X11 or Wayland, see chooseBackend) supplies the screens, clipboard,
// focus and keys; the engines for recognition, speech, translation and the
// dictionary are the same everywhere.
class LinuxPlatform {
public:
    explicit LinuxPlatform(BackendChoice choice = chooseBackend());
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    Platform& platform() { return *platform_; }

    // Lets Qt open the display of the backend the session needs (see
    // chooseBackend), unless QT_QPA_PLATFORM already names a plugin: Qt on
    // its own would run GNOME's Wayland session through XWayland, where the
    // screen reads black. True when it set QT_QPA_PLATFORM, which the
    // caller takes back once Qt is up, so that programs we start choose
    // their own.
    static bool choosePlatformPlugin();

    // Why Qt's platform plugin (QT_QPA_PLATFORM, else the session's backend)
    // would find no display to open, in a few words; nothing when it would.
    // Qt ends the process when it finds none, so this is asked first.
    static std::optional<QString> displayProblem();

private:
    struct Services;
    std::unique_ptr<Services> services_;
    std::unique_ptr<Platform> platform_;
};
