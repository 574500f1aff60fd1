#pragma once

#include "app/AppCoordinator.h"
#include "capture/OverlayWindow.h"
#include "capture/SelectionView.h"
#include "output/ToastView.h"

#include "support/Async.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

// Makes captures through a coordinator the way the user does: asks for one,
// drags over the overlay once it is up, and waits for the capture to end.
// Counts the capture tasks started and finished.
class CaptureDriver {
public:
    explicit CaptureDriver(AppCoordinator& coordinator)
        : coordinator_(coordinator) {}

    void request(CaptureMode mode) {
        ++started;
        coordinator_.capture(mode).then([this] { ++finished; });
    }

    SelectionView* overlayView(size_t display = 0) {
        if (!TestAsync::waitUntil(
                [&] { return coordinator_.overlay().windows().size() > display; }))
            return nullptr;
        return coordinator_.overlay().windows().at(display)->view();
    }

    // Drags on one display's overlay, in points of that display. QTest takes
    // (0, 0) for the view's centre: a drag over a whole display goes from its
    // far corner to (-1, -1), which the view holds to its edge.
    bool drag(QPoint from, QPoint to, size_t display = 0) {
        SelectionView* view = overlayView(display);
        if (!view)
            return false;
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
        return true;
    }

    // Waits in a running event loop, as the program does. Objects a capture
    // deletes later (the overlay's windows) go when control returns to a
    // running loop; QTest's events are sent outside any, and processEvents()
    // there never deletes them.
    bool waitForEnd(std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (finished == started)
                loop.quit();
        });
        check.start(1);
        // A timer of our own: QTimer::singleShot() would leave one behind
        // for the whole timeout after each capture.
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(timeout);
        loop.exec();
        return finished == started;
    }

    // One whole capture; false when the overlay did not come or the capture did not end.
    bool capture(CaptureMode mode, QPoint from = QPoint(100, 100), QPoint to = QPoint(300, 200),
                 size_t display = 0) {
        request(mode);
        return drag(from, to, display) && waitForEnd();
    }

    QString toastMessage() const {
        const ToastView* view = coordinator_.toast().view();
        return view ? view->message() : QString();
    }
    QString toastDetail() const {
        const ToastView* view = coordinator_.toast().view();
        return view ? view->detail().value_or(QString()) : QString();
    }

    int started = 0;
    int finished = 0;

private:
    AppCoordinator& coordinator_;
};
