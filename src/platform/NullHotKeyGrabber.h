#pragma once

#include "platform/HotKeyGrabber.h"

// For sessions without global key grabs: every combination is refused, so the
// shortcuts stay silent and the menu remains the way to start a capture.
class NullHotKeyGrabber final : public HotKeyGrabber {
public:
    bool grab(qint64, const Shortcut&) override { return false; }
    void ungrab(qint64) override {}
    void setHandler(Handler) override {}
    Reach reach() const override { return Reach::none; }
};
