#pragma once

#include "platform/WindowFocus.h"

// The active window as the window manager reports it (_NET_ACTIVE_WINDOW),
// or the X input focus where no window manager says.
class X11WindowFocus : public WindowFocus {
public:
    quint64 activeWindow() const override;
    QString activeApplicationName() const override;
    void activate(quint64 window) override;
};
