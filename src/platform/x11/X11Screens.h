#pragma once

#include "platform/Screens.h"

class QScreen;

// Displays as Qt sees them, identified by their RandR output.
class X11Screens : public Screens {
public:
    QList<DisplayInfo> displays() const override;
    QPoint pointerPosition() const override;
    // At once: the X server answers while we wait.
    QCoro::Task<QImage> grab(quint32 displayId) override;

private:
    QScreen* screenFor(quint32 displayId) const;
};

// Any X11 client may read the screen.
class X11ScreenCapturePermission : public ScreenCapturePermission {
public:
    bool asksUser() const override { return false; }
    bool preflight() const override { return true; }
    bool request() override { return true; }
    bool openSettings() override { return false; }
};
