#include "platform/portal/ScreenCastPortal.h"

#include "platform/portal/PortalRequest.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

constexpr auto screenCastInterface = u"org.freedesktop.portal.ScreenCast";
constexpr uint monitorSource = 1;
constexpr uint hiddenCursor = 1;
constexpr uint persistUntilRevoked = 2;

QString interfaceName() {
    return QString::fromUtf16(screenCastInterface);
}

// (ii) as it comes out of a{sv}.
std::optional<QPoint> pairOf(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ii)"))
        return std::nullopt;
    int a = 0;
    int b = 0;
    argument.beginStructure();
    argument >> a >> b;
    argument.endStructure();
    return QPoint(a, b);
}

// a(ua{sv})
QList<ScreenCastStream> streamsOf(const QVariant& value) {
    QList<ScreenCastStream> streams;
    if (!value.canConvert<QDBusArgument>())
        return streams;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(ua{sv})"))
        return streams;
    argument.beginArray();
    while (!argument.atEnd()) {
        ScreenCastStream stream;
        QVariantMap properties;
        argument.beginStructure();
        argument >> stream.nodeId >> properties;
        argument.endStructure();
        const auto position = pairOf(properties.value(QStringLiteral("position")));
        const auto size = pairOf(properties.value(QStringLiteral("size")));
        if (position && size && size->x() > 0 && size->y() > 0)
            stream.geometry = QRect(*position, QSize(size->x(), size->y()));
        streams.append(stream);
    }
    argument.endArray();
    return streams;
}

QVariantList cursorModesProperty() {
    return {interfaceName(), QStringLiteral("AvailableCursorModes")};
}

QVariantMap sourceSelection(uint cursorModes, const QString& restoreToken) {
    QVariantMap selection = {
        {QStringLiteral("types"), monitorSource},
        {QStringLiteral("multiple"), true},
        {QStringLiteral("persist_mode"), persistUntilRevoked},
    };
    if (cursorModes & hiddenCursor)
        selection.insert(QStringLiteral("cursor_mode"), hiddenCursor);
    if (!restoreToken.isEmpty())
        selection.insert(QStringLiteral("restore_token"), restoreToken);
    return selection;
}

QCoro::Task<uint> availableCursorModes(QDBusConnection bus) {
    try {
        const QVariantList reply =
            co_await PortalRequest::callDirect(bus, QString::fromUtf16(PortalRequest::path),
                                               QLatin1String("org.freedesktop.DBus.Properties"),
                                               QLatin1String("Get"), cursorModesProperty());
        co_return reply.value(0).value<QDBusVariant>().variant().toUInt();
    } catch (const PortalError& e) {
        if (e.kind() == PortalError::Kind::missing)
            throw;
        co_return 0u;
    }
}

} // namespace

ScreenCastPortal::ScreenCastPortal(QDBusConnection bus)
    : bus_(std::move(bus)) {}

QCoro::Task<ScreenCastSession> ScreenCastPortal::start(QString restoreToken) {
    const uint cursorModes = co_await availableCursorModes(bus_);

    ScreenCastSession session;
    const QVariantMap created = co_await PortalRequest::call(
        bus_, interfaceName(), QLatin1String("CreateSession"), {}, PortalRequest::sessionOptions());
    session.handle = PortalRequest::objectPath(created.value(QStringLiteral("session_handle")));
    if (session.handle.isEmpty())
        throw PortalError(PortalError::Kind::failed,
                          QCoreApplication::translate(
                              "Portal", "The desktop's screen-sharing portal opened no session."));
    try {
        const QVariant handle = QVariant::fromValue(QDBusObjectPath(session.handle));
        const QVariantList selectArguments = {handle};
        co_await PortalRequest::call(bus_, interfaceName(), QLatin1String("SelectSources"),
                                     selectArguments, sourceSelection(cursorModes, restoreToken));
        const QVariantList startArguments = {handle, QString()};
        const QVariantMap started = co_await PortalRequest::call(
            bus_, interfaceName(), QLatin1String("Start"), startArguments, {});
        session.streams = streamsOf(started.value(QStringLiteral("streams")));
        session.restoreToken = started.value(QStringLiteral("restore_token")).toString();
    } catch (...) {
        close(session);
        throw;
    }
    co_return session;
}

QCoro::Task<QDBusUnixFileDescriptor>
ScreenCastPortal::openPipeWireRemote(ScreenCastSession session) {
    const QVariantList arguments = {QVariant::fromValue(QDBusObjectPath(session.handle)),
                                    QVariantMap()};
    const QVariantList reply = co_await PortalRequest::callDirect(
        bus_, QString::fromUtf16(PortalRequest::path), interfaceName(),
        QLatin1String("OpenPipeWireRemote"), arguments);
    const auto fd = reply.value(0).value<QDBusUnixFileDescriptor>();
    if (!fd.isValid())
        throw PortalError(PortalError::Kind::failed,
                          QCoreApplication::translate(
                              "Portal", "The desktop's screen-sharing portal gave no stream."));
    co_return fd;
}

void ScreenCastPortal::close(const ScreenCastSession& session) {
    PortalRequest::closeSession(bus_, session.handle);
}
