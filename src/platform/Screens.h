#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// One connected display.
struct DisplayInfo {
    quint32 id = 0;          // stable per output (the RandR output on X11)
    QString name;            // the platform's name for it
    QRect geometry;          // global desktop coordinates, points
    QRect availableGeometry; // without panels and docks
    double scale = 1;        // device pixels per point

    bool operator==(const DisplayInfo&) const = default;
};

// The displays, the pointer, and the screen's pixels.
class Screens {
public:
    virtual ~Screens() = default;
    // In the platform's order; the first is the main display.
    virtual QList<DisplayInfo> displays() const = 0;
    // Global desktop coordinates, points.
    virtual QPoint pointerPosition() const = 0;
    // The whole display at full pixel density, without the pointer. A null
    // image when the display is gone or cannot be read.
    virtual QImage grab(quint32 displayId) = 0;
};

// Whether this program may read the screen, and how to ask for it.
class ScreenCapturePermission {
public:
    virtual ~ScreenCapturePermission() = default;
    // Whether the desktop asks the user before the screen may be read (a
    // screen-sharing dialog); false where any program may read it, as on X11.
    virtual bool asksUser() const = 0;
    virtual bool preflight() const = 0;
    virtual bool request() = 0;
    // Opens the desktop's page where the permission is granted; false when there is none.
    virtual bool openSettings() = 0;
};
