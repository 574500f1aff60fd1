#pragma once

#include "platform/portal/ScreenCastPortal.h"

#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <exception>
#include <memory>
#include <optional>

class UserDefaults;

// The screen's pixels through the desktop's screen-sharing portal (GNOME, KDE
// Plasma, and wlroots desktops with their portal): the desktop asks the user
// once; the token it gives back is kept in the settings, so later captures
// start without a dialog. Each capture opens a session, takes one frame of
// every shared monitor into memory, and closes the session again.
//
// A backend's Screens::grab(displayId) awaits grab(display.geometry); the
// grabs of one overlay share one session and one dialog. Its
// ScreenCapturePermission is a PortalCapturePermission over the same object.
class PortalScreenCapture : public QObject {
    Q_OBJECT
public:
    struct Monitor {
        QRect geometry; // logical desktop coordinates; null when the portal does not say
        QImage image;   // at the monitor's own pixel density
    };

    static constexpr auto restoreTokenKey = "screenCastRestoreToken";

    PortalScreenCapture(QDBusConnection bus, UserDefaults& defaults);

    // One frame of each shared monitor. Throws PortalError (`refused` when
    // the user said no: then no token is kept).
    QCoro::Task<QList<Monitor>> captureMonitors();

    // The display at `geometry` (logical desktop coordinates), at its own
    // pixel density. Grabs started together share one session. A null image
    // when the user refused, now or before (refused() then says so; no
    // dialog comes until requestConsent()); throws Error when
    // there is no portal, it fails, or the user did not share this display.
    QCoro::Task<QImage> grab(QRect geometry);

    // Asks the user (unless a kept token still holds) without reading any
    // pixels, and keeps the token: for the onboarding's "grant" button.
    QCoro::Task<bool> requestConsent();

    // Asks the bus whether the screen-sharing portal is there, so that
    // unavailableReason() is known before the first capture (the backend
    // calls it at start-up). False when it is not.
    QCoro::Task<bool> probe();

    // The user refused the last time the desktop asked.
    bool refused() const { return refused_; }
    // Why there is no way to read the screen here: set once a capture found
    // no portal.
    std::optional<QString> unavailableReason() const { return unavailable_; }

Q_SIGNALS:
    void sessionEnded();

private:
    struct Round {
        QList<Monitor> frames;
        std::exception_ptr failure;
    };

    QCoro::Task<ScreenCastSession> startSession();
    QImage take(Round& round, const QRect& geometry);

    QDBusConnection bus_;
    UserDefaults& defaults_;
    ScreenCastPortal portal_;
    bool refused_ = false;
    std::optional<QString> unavailable_;

    // The session the grabs of one overlay share; its frames live only as
    // long as a grab still has to take its own.
    std::shared_ptr<Round> round_;
};
