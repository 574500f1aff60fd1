#pragma once

#include "platform/Screens.h"

class QScreen;

// Displays as Qt's Wayland platform sees them (one per output, named as the
// compositor names it). Pixels come from grim, which reads an output through
// the wlroots screencopy protocol and writes it to our pipe: nothing touches
// the disk.
class WaylandScreens : public Screens {
public:
    // `grim` is the program's path; empty where it is not installed.
    explicit WaylandScreens(QString grim);

    QList<DisplayInfo> displays() const override;
    // Where the pointer was last seen over one of our windows: Wayland tells
    // no program where it is elsewhere.
    QPoint pointerPosition() const override;
    QCoro::Task<QImage> grab(quint32 displayId) override;
    // Windows have no global position here: the window is put on the
    // display's output, the overlay full screen, the rest where the
    // compositor chooses.
    void show(QWidget& window, const DisplayInfo& display, Placement placement) override;

    // A stable identifier for an output name.
    static quint32 idFor(const QString& outputName);

private:
    QScreen* screenFor(quint32 displayId) const;

    QString grim_;
};
