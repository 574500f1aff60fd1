#include "platform/desktop/ApplicationBus.h"

#include "BuildInfo.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(ApplicationBus* bus)
        : QDBusAbstractAdaptor(bus)
        , bus_(bus) {}

public Q_SLOTS:
    void Activate(const QVariantMap&) { Q_EMIT bus_->activateRequested(); }
    void Open(const QStringList& uris, const QVariantMap&) { Q_EMIT bus_->openRequested(uris); }
    void ActivateAction(const QString& name, const QVariantList&, const QVariantMap&) {
        Q_EMIT bus_->actionRequested(name);
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
    const auto reply =
        bus.interface()->registerService(serviceName(), QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        return Claim::noBus;
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered)
        return Claim::anotherInstanceRuns;
    new ApplicationAdaptor(this);
    if (!bus.registerObject(objectPath(), this))
        return Claim::noBus;
    return Claim::owned;
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
