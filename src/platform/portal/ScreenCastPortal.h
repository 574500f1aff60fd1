#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QList>
#include <QRect>
#include <QString>

#include <qcoro/qcorotask.h>

// One monitor the user shares: a PipeWire node, and where the monitor lies on
// the desktop in logical coordinates (null when the portal does not say).
struct ScreenCastStream {
    uint nodeId = 0;
    QRect geometry;
};

// A started screen cast: what it shares, and the token that lets the next one
// start without asking the user again (empty when the portal gives none).
struct ScreenCastSession {
    QString handle;
    QList<ScreenCastStream> streams;
    QString restoreToken;
};

// The steps of org.freedesktop.portal.ScreenCast. Every call may fail with a
// PortalError.
class ScreenCastPortal {
public:
    explicit ScreenCastPortal(QDBusConnection bus);

    // CreateSession, SelectSources (monitors, hidden pointer, remembered until
    // the user revokes it) and Start. With a valid `restoreToken` the desktop
    // starts without a dialog. On failure no session is left open.
    QCoro::Task<ScreenCastSession> start(QString restoreToken);
    // The PipeWire connection on which the session's nodes can be read.
    QCoro::Task<QDBusUnixFileDescriptor> openPipeWireRemote(ScreenCastSession session);
    // Ends the session; the desktop's sharing indicator goes away.
    void close(const ScreenCastSession& session);

private:
    QDBusConnection bus_;
};
