#pragma once

#include <QString>
#include <QWindow>

// Which window of which program has the keyboard, and handing it back.
class WindowFocus {
public:
    virtual ~WindowFocus() = default;
    // The active window, 0 when none.
    virtual quint64 activeWindow() const = 0;
    // The name of the program the active window belongs to, empty when unknown.
    virtual QString activeApplicationName() const = 0;
    // Asks the window manager to activate a window (of any program).
    virtual void activate(quint64 window) = 0;
};
