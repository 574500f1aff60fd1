#pragma once

#include "platform/WindowFocus.h"

// Wayland tells a program nothing about other programs' windows: the active
// window is ours or none, and only ours can be asked to the front.
class WaylandWindowFocus : public WindowFocus {
public:
    quint64 activeWindow() const override;
    QString activeApplicationName() const override;
    void activate(quint64 window) override;
};
