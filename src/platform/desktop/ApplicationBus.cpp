#include "platform/desktop/ApplicationBus.h"

#include "BuildInfo.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <utility>

namespace {

class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(ApplicationBus* bus)
        : QDBusAbstractAdaptor(bus)
        , bus_(bus) {}

public Q_SLOTS:
    void Activate(const QVariantMap&) { bus_->receiveActivate(); }
    void Open(const QStringList& uris, const QVariantMap&) { bus_->receiveOpen(uris); }
    void ActivateAction(const QString& name, const QVariantList&, const QVariantMap&) {
        bus_->receiveAction(name);
    }

private:
    ApplicationBus* bus_;
};

} // namespace

ApplicationBus::ApplicationBus(QObject* parent)
    : QObject(parent) {}

QString ApplicationBus::serviceName() {
    return QString::fromUtf8(BuildInfo::appId);
}

QString ApplicationBus::objectPath() {
    return u'/' + serviceName().replace(u'.', u'/');
}

ApplicationBus::Claim ApplicationBus::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return Claim::noBus;
    // The object first: a message that made the bus start us is delivered
    // the moment the name is ours, and must find someone to answer it.
    new ApplicationAdaptor(this);
    if (!bus.registerObject(objectPath(), this))
        return Claim::noBus;
    const auto reply =
        bus.interface()->registerService(serviceName(), QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(objectPath());
        return reply.isValid() ? Claim::anotherInstanceRuns : Claim::noBus;
    }
    // The bus marks the processes it starts; programs we start ourselves
    // must not inherit the mark.
    startedForActivation_ = qEnvironmentVariable("DBUS_STARTER_BUS_TYPE") == u"session";
    qunsetenv("DBUS_STARTER_BUS_TYPE");
    qunsetenv("DBUS_STARTER_ADDRESS");
    return Claim::owned;
}

void ApplicationBus::receiveActivate() {
    // A launcher starts us through the bus and then asks us to activate: that
    // is this launch itself, not a second one that re-opens a window.
    if (std::exchange(startedForActivation_, false))
        return;
    Q_EMIT activateRequested();
}

void ApplicationBus::receiveAction(const QString& name) {
    startedForActivation_ = false;
    Q_EMIT actionRequested(name);
}

void ApplicationBus::receiveOpen(const QStringList& uris) {
    startedForActivation_ = false;
    Q_EMIT openRequested(uris);
}

bool ApplicationBus::activateRunningInstance(const QString& action) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        serviceName(), objectPath(), QStringLiteral("org.freedesktop.Application"),
        action.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("ActivateAction"));
    // The launcher's token lets the running instance bring a window to the front.
    QVariantMap platformData;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        platformData.insert(QStringLiteral("activation-token"), token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), id);
    if (action.isEmpty())
        call << platformData;
    else
        call << action << QVariantList() << platformData;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

#include "ApplicationBus.moc"
