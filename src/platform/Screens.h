#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <qcoro/qcorotask.h>

#include <optional>

class QWidget;

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
    // image when the display is gone or cannot be read. It may take a while
    // (another process or the desktop answers), so it resumes when done.
    virtual QCoro::Task<QImage> grab(quint32 displayId) = 0;
    // Why the last grab that gave no picture gave none, in words for the
    // user ("This display was not shared…"); empty when nothing is known.
    virtual QString grabFailure() const { return {}; }

    // Where a top-level window of ours goes on a display.
    enum class Placement {
        cover,        // the whole display, above everything else
        bottomCentre, // centred near the bottom of the display's free area
    };
    // Shows the window on the display. Where windows have global positions
    // (X11) it is moved there; elsewhere the desktop places it on that
    // display's output as asked.
    virtual void show(QWidget& window, const DisplayInfo& display, Placement placement);
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
    // Why this desktop offers the program no way at all to read the screen,
    // in a sentence for the user; nothing where it does.
    virtual std::optional<QString> unavailableReason() const { return std::nullopt; }
};
