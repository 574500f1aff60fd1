#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <chrono>

#include <qcoro/qcorotask.h>

// Our own short-lived windows (the tray menu and other pop-ups, the toast)
// must not be frozen into the picture a capture is cut from. This follows
// them going, and waits before a capture until none is left on screen and
// the windows they covered have had time to repaint: without a compositor
// those repaint only after the X server has unmapped ours.
class TransientWindows : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application from now on.
    explicit TransientWindows(std::chrono::milliseconds settleTime = std::chrono::milliseconds(100),
                              QObject* parent = nullptr);
    ~TransientWindows() override;

    // Closes our open pop-ups, then resumes once the screen shows none of them.
    QCoro::Task<void> cleared();

    static bool isTransient(const QObject* object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds settleTime_;
    QElapsedTimer sinceLastHidden_;
};
