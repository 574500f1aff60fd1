#pragma once

#include <Qt>

// Whether a control draws its focus ring: only while the keyboard is in use,
// as the desktop's own buttons do. A click that gives the focus hides it; a
// key pressed on the control or focus moved by Tab shows it.
class KeyboardFocusRing {
public:
    bool isShown() const { return shown_; }

    void focusGained(Qt::FocusReason reason) {
        switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::PopupFocusReason:
            shown_ = false;
            break;
        case Qt::ActiveWindowFocusReason:
            break; // as it was before the window went to the background
        default:
            shown_ = true;
        }
    }

    // Returns whether the ring has just appeared, so the control repaints.
    bool keyPressed() {
        const bool appeared = !shown_;
        shown_ = true;
        return appeared;
    }

private:
    bool shown_ = false;
};
