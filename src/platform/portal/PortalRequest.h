#pragma once

#include "platform/Error.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QObject>
#include <QVariantMap>

#include <qcoro/qcorotask.h>

// What went wrong in a talk with one of the desktop's portals.
class PortalError : public Error {
public:
    enum class Kind {
        missing, // no portal service, or it lacks the interface
        refused, // the user said no in the desktop's dialog
        failed,  // anything else
    };
    PortalError(Kind kind, const QString& description);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// The way every portal method that may ask the user answers: the call returns
// a request object at once, and the answer comes later as that object's
// Response signal. The object's path is known before the call (it is built
// from our bus name and a token we choose), so we listen first and cannot
// miss an answer that comes before the call returns.
namespace PortalRequest {

inline constexpr char16_t service[] = u"org.freedesktop.portal.Desktop";
inline constexpr char16_t path[] = u"/org/freedesktop/portal/desktop";

// The Response's results; throws PortalError: `refused` for response 1,
// `failed` for 2 or a broken call, `missing` when there is no such portal.
// `options` gets its handle_token here.
QCoro::Task<QVariantMap> call(QDBusConnection bus, QString interface, QString method,
                              QVariantList arguments, QVariantMap options);

// Plain calls that answer at once (OpenPipeWireRemote, Session.Close).
QCoro::Task<QVariantList> callDirect(QDBusConnection bus, QString object, QString interface,
                                     QString method, QVariantList arguments);

// Ends a portal session (org.freedesktop.portal.Session.Close). Awaiting the
// call tells when the portal has closed it, so that a new session may take its
// name; an error answer is as good, the session is gone either way.
QDBusPendingCall closeSession(const QDBusConnection& bus, const QString& handle);

// The `missing` or `failed` error for a D-Bus error reply.
PortalError errorFor(const QString& dbusErrorName, const QString& message);

// A path the portal sends as a string or as an object path.
QString objectPath(const QVariant& value);

// A fresh token for handle_token and session_handle_token.
QString newToken();
// CreateSession's options: a fresh session_handle_token.
QVariantMap sessionOptions();

} // namespace PortalRequest

// Holds a Response until the coroutine asks for it.
class PortalResponseListener : public QObject {
    Q_OBJECT
public:
    bool listen(QDBusConnection bus, const QString& requestPath);
    bool answered() const { return answered_; }
    uint code() const { return code_; }
    const QVariantMap& results() const { return results_; }

Q_SIGNALS:
    void responded();

private Q_SLOTS:
    void onResponse(uint code, const QVariantMap& results);

private:
    bool answered_ = false;
    uint code_ = 2;
    QVariantMap results_;
};
