#pragma once

#include "platform/Screens.h"

class QScreen;

class PortalScreenCapture;

// Displays as Qt's Wayland platform sees them (one per output, named as the
// compositor names it). Pixels come from grim where the compositor offers the
// wlroots screencopy protocol (grim writes the output to our pipe: nothing
// touches the disk), else from the desktop's screen-sharing portal.
class WaylandScreens : public Screens {
public:
    // `grim` is the program's path, or empty: then `portal` reads the screen.
    WaylandScreens(QString grim, PortalScreenCapture* portal);

    QList<DisplayInfo> displays() const override;
    // Where the pointer was last seen over one of our windows: Wayland tells
    // no program where it is elsewhere.
    QPoint pointerPosition() const override;
    QCoro::Task<QImage> grab(quint32 displayId) override;
    QString grabFailure() const override { return grabFailure_; }
    // Windows have no global position here: the window is put on the
    // display's output, the overlay full screen, the rest where the
    // compositor chooses.
    void show(QWidget& window, const DisplayInfo& display, Placement placement) override;

    // A stable identifier for an output name.
    static quint32 idFor(const QString& outputName);

private:
    QScreen* screenFor(quint32 displayId) const;

    QCoro::Task<QImage> grabWithGrim(QScreen* screen);

    QString grim_;
    PortalScreenCapture* portal_;
    QString grabFailure_;
};
