#include "platform/portal/PortalRequest.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QRandomGenerator>

#include <qcoro/qcorodbuspendingcall.h>
#include <qcoro/qcorosignal.h>

#include <chrono>

namespace {

constexpr auto requestInterface = u"org.freedesktop.portal.Request";

// A dialog the user never answers, or a portal that never replies, must not
// keep the capture road waiting for ever.
constexpr std::chrono::minutes answerTimeout{3};

QString requestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService();
    if (sender.startsWith(u':'))
        sender.remove(0, 1);
    sender.replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QString portalFailed(const QString& detail) {
    return QCoreApplication::translate("Portal", "The desktop's portal failed: %1").arg(detail);
}

} // namespace

PortalError::PortalError(Kind kind, const QString& description)
    : Error(description)
    , kind_(kind) {}

bool PortalResponseListener::listen(QDBusConnection bus, const QString& requestPath) {
    return bus.connect(QString::fromUtf16(PortalRequest::service), requestPath,
                       QString::fromUtf16(requestInterface), QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
}

void PortalResponseListener::onResponse(uint code, const QVariantMap& results) {
    if (answered_)
        return;
    answered_ = true;
    code_ = code;
    results_ = results;
    Q_EMIT responded();
}

QString PortalRequest::newToken() {
    return QStringLiteral("inkharbor%1").arg(QRandomGenerator::global()->generate());
}

QString PortalRequest::objectPath(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

QDBusPendingCall PortalRequest::closeSession(const QDBusConnection& bus, const QString& handle) {
    if (handle.isEmpty())
        return QDBusPendingCall::fromCompletedCall(QDBusMessage());
    return bus.asyncCall(QDBusMessage::createMethodCall(
        QString::fromUtf16(service), handle, QStringLiteral("org.freedesktop.portal.Session"),
        QStringLiteral("Close")));
}

QVariantMap PortalRequest::sessionOptions() {
    return {{QStringLiteral("session_handle_token"), newToken()}};
}

PortalError PortalRequest::errorFor(const QString& dbusErrorName, const QString& message) {
    static const QStringList absent = {
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
    };
    if (absent.contains(dbusErrorName))
        return PortalError(
            PortalError::Kind::missing,
            QCoreApplication::translate("Portal", "The desktop offers no portal for this (%1).")
                .arg(message.isEmpty() ? dbusErrorName : message));
    return PortalError(PortalError::Kind::failed,
                       portalFailed(message.isEmpty() ? dbusErrorName : message));
}

QCoro::Task<QVariantList> PortalRequest::callDirect(QDBusConnection bus, QString object,
                                                    QString interface, QString method,
                                                    QVariantList arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(QString::fromUtf16(service), object, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = bus.asyncCall(message);
    const QDBusMessage reply = co_await pending;
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw errorFor(reply.errorName(), reply.errorMessage());
    co_return reply.arguments();
}

QCoro::Task<QVariantMap> PortalRequest::call(QDBusConnection bus, QString interface, QString method,
                                             QVariantList arguments, QVariantMap options) {
    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    const QString expected = requestPath(bus, token);
    PortalResponseListener listener;
    listener.listen(bus, expected);

    arguments.append(options);
    const QVariantList reply =
        co_await callDirect(bus, QString::fromUtf16(path), interface, method, arguments);
    // Portals older than the handle_token convention answer on a path of their own.
    const QString handle = objectPath(reply.value(0));
    PortalResponseListener late;
    PortalResponseListener* answering = &listener;
    if (!listener.answered() && !handle.isEmpty() && handle != expected) {
        late.listen(bus, handle);
        answering = &late;
    }
    if (!answering->answered()) {
        const auto answered =
            co_await qCoro(answering, &PortalResponseListener::responded, answerTimeout);
        if (!answered) {
            QDBusMessage close = QDBusMessage::createMethodCall(
                QString::fromUtf16(service), handle.isEmpty() ? expected : handle,
                QString::fromUtf16(requestInterface), QStringLiteral("Close"));
            bus.asyncCall(close);
            throw PortalError(
                PortalError::Kind::failed,
                portalFailed(QCoreApplication::translate("Portal", "it did not answer in time.")));
        }
    }
    switch (answering->code()) {
    case 0:
        co_return answering->results();
    case 1:
        throw PortalError(PortalError::Kind::refused,
                          QCoreApplication::translate("Portal", "The request was refused."));
    default:
        throw PortalError(PortalError::Kind::failed,
                          portalFailed(QCoreApplication::translate(
                                           "Portal", "the desktop ended the request (%1).")
                                           .arg(method)));
    }
}
