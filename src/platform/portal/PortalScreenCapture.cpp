#include "platform/portal/PortalScreenCapture.h"

#include "platform/base/UserDefaults.h"
#include "platform/portal/PipeWireFrames.h"
#include "platform/portal/PortalRequest.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <qcoro/qcorodbuspendingcall.h>

#include <qcoro/qcorosignal.h>

namespace {

// A stream that starts gives its first frame within a few frame intervals.
constexpr std::chrono::seconds frameTimeout{5};

QString noScreenCastPortal() {
    return QCoreApplication::translate(
        "Portal", "This desktop offers no screen-sharing portal, so Inkharbor cannot read the "
                  "screen. Install xdg-desktop-portal and your desktop's portal "
                  "(xdg-desktop-portal-gnome, xdg-desktop-portal-kde or xdg-desktop-portal-wlr).");
}

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

PortalScreenCapture::PortalScreenCapture(QDBusConnection bus, UserDefaults& defaults)
    : bus_(bus)
    , defaults_(defaults)
    , portal_(bus) {}

QCoro::Task<ScreenCastSession> PortalScreenCapture::startSession() {
    const QString token = defaults_.string(QString::fromLatin1(restoreTokenKey));
    ScreenCastSession session;
    try {
        session = co_await portal_.start(token);
    } catch (const PortalError& e) {
        if (e.kind() == PortalError::Kind::refused)
            refused_ = true;
        if (e.kind() != PortalError::Kind::missing)
            throw;
        unavailable_ = noScreenCastPortal();
        throw PortalError(PortalError::Kind::missing, *unavailable_);
    }
    refused_ = false;
    unavailable_.reset();
    // A token is good for one start only; the desktop hands out the next one.
    if (session.restoreToken.isEmpty())
        defaults_.remove(QString::fromLatin1(restoreTokenKey));
    else
        defaults_.setValue(QString::fromLatin1(restoreTokenKey), session.restoreToken);
    co_return session;
}

QCoro::Task<QList<PortalScreenCapture::Monitor>> PortalScreenCapture::captureMonitors() {
    const ScreenCastSession session = co_await startSession();
    std::map<uint, QImage> images;
    std::exception_ptr failure;
    try {
        const QDBusUnixFileDescriptor remote = co_await portal_.openPipeWireRemote(session);
        QList<uint> nodes;
        for (const ScreenCastStream& stream : session.streams)
            nodes.append(stream.nodeId);
        PipeWireFrames reader;
        images = co_await reader.read(remote.fileDescriptor(), nodes, frameTimeout);
    } catch (...) {
        failure = std::current_exception();
    }
    portal_.close(session);
    if (failure)
        std::rethrow_exception(failure);

    QList<Monitor> monitors;
    for (const ScreenCastStream& stream : session.streams) {
        QImage image = images[stream.nodeId];
        if (!image.isNull())
            monitors.append({stream.geometry, std::move(image)});
    }
    if (monitors.isEmpty())
        throw PortalError(
            PortalError::Kind::failed,
            QCoreApplication::translate("Portal", "The desktop shared no picture of the screen."));
    co_return monitors;
}

QCoro::Task<QImage> PortalScreenCapture::grab(QRect geometry) {
    // Once refused, captures do not bring the dialog back on their own; the
    // user asks for it again (requestConsent()).
    if (refused_)
        co_return QImage();
    std::shared_ptr<Round> round = round_;
    if (round) {
        co_await qCoro(this, &PortalScreenCapture::sessionEnded);
    } else {
        round = std::make_shared<Round>();
        round_ = round;
        try {
            round->frames = co_await captureMonitors();
        } catch (...) {
            round->failure = std::current_exception();
        }
        round_.reset();
        Q_EMIT sessionEnded();
    }
    if (round->failure) {
        if (refused_)
            co_return QImage(); // the permission says why
        std::rethrow_exception(round->failure);
    }
    co_return take(*round, geometry);
}

QImage PortalScreenCapture::take(Round& round, const QRect& geometry) {
    // Logical sizes of fractionally scaled monitors may differ by a point
    // between the portal and the toolkit: the monitor that covers most of
    // the display is the one.
    Monitor* best = nullptr;
    qint64 bestArea = 0;
    for (Monitor& monitor : round.frames) {
        const qint64 area = overlap(monitor.geometry, geometry);
        if (area > bestArea) {
            best = &monitor;
            bestArea = area;
        }
    }
    // A portal that does not say where its one monitor lies.
    if (best == nullptr && round.frames.size() == 1 && round.frames.front().geometry.isNull())
        best = &round.frames.front();
    if (best == nullptr || best->image.isNull()) {
        // With the kept token the desktop would share the same monitors again
        // without asking: forget it, so the next capture offers the choice.
        defaults_.remove(QString::fromLatin1(restoreTokenKey));
        throw Error(QCoreApplication::translate(
            "Portal", "This display was not shared with Inkharbor. Capture again and share "
                      "every display when the desktop asks."));
    }
    QImage image = std::move(best->image);
    best->image = QImage();
    return image;
}

QCoro::Task<bool> PortalScreenCapture::probe() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        QString::fromUtf16(PortalRequest::service), QString::fromUtf16(PortalRequest::path),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments(
        {QStringLiteral("org.freedesktop.portal.ScreenCast"), QStringLiteral("version")});
    const QDBusPendingCall pending = bus_.asyncCall(get);
    const QDBusMessage reply = co_await pending;
    // No portal service, or one without this interface (its Get then says
    // "no such interface" as invalid arguments). A slow portal is no answer.
    const bool absent =
        reply.type() == QDBusMessage::ErrorMessage &&
        (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.InvalidArgs") ||
         PortalRequest::errorFor(reply.errorName(), reply.errorMessage()).kind() ==
             PortalError::Kind::missing);
    if (absent)
        unavailable_ = noScreenCastPortal();
    else
        unavailable_.reset();
    co_return !absent;
}

QCoro::Task<bool> PortalScreenCapture::requestConsent() {
    bool granted = false;
    try {
        const ScreenCastSession session = co_await startSession();
        portal_.close(session);
        granted = true;
    } catch (const std::exception&) {
        granted = false;
    }
    co_return granted;
}
