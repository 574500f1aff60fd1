#pragma once

#include "platform/Platform.h"

#include <memory>

// The one place that chooses the desktop services: X11 where the program
// runs on X11, services that do nothing (and say so) where it cannot.
class LinuxPlatform {
public:
    LinuxPlatform();
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    Platform& platform() { return *platform_; }

private:
    struct Services;
    std::unique_ptr<Services> services_;
    std::unique_ptr<Platform> platform_;
};
