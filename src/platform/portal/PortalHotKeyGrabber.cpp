#include "platform/portal/PortalHotKeyGrabber.h"

#include "KeyBindings/KeyCodeTable.h"
#include "platform/portal/PortalRequest.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QKeySequence>
#include <QTimer>

#include <qcoro/qcorodbuspendingcall.h>

#include <utility>
#include <vector>

// One entry of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace {

constexpr auto shortcutsInterface = u"org.freedesktop.portal.GlobalShortcuts";
// Where the desktop cannot tell which program asks (one not installed as a
// sandboxed app), KDE Plasma files the shortcuts under the session's name: the
// same one every run keeps the user's choices there, and one entry.
const QString sessionName = QStringLiteral("inkharbor");

QString interfaceName() {
    return QString::fromUtf16(shortcutsInterface);
}

// What BindShortcuts answered: each bound shortcut's trigger, in the desktop's words.
std::map<QString, QString> boundTriggers(const QVariantMap& results) {
    std::map<QString, QString> triggers;
    const QVariant bound = results.value(QStringLiteral("shortcuts"));
    if (!bound.canConvert<QDBusArgument>())
        return triggers;
    const auto shortcuts = qdbus_cast<QList<PortalShortcut>>(bound.value<QDBusArgument>());
    for (const PortalShortcut& shortcut : shortcuts)
        triggers[shortcut.id] =
            shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    return triggers;
}

} // namespace

PortalHotKeyGrabber::PortalHotKeyGrabber(QDBusConnection bus)
    : bus_(std::move(bus))
    , describe_([](const Shortcut& shortcut) { return preferredTrigger(shortcut); }) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    const QString service = QString::fromUtf16(PortalRequest::service);
    const QString path = QString::fromUtf16(PortalRequest::path);
    for (const QString& signal : {QStringLiteral("Activated"), QStringLiteral("Deactivated")})
        bus_.connect(service, path, interfaceName(), signal, this, SLOT(onSignal(QDBusMessage)));
}

PortalHotKeyGrabber::~PortalHotKeyGrabber() {
    PortalRequest::closeSession(bus_, session_);
}

QString PortalHotKeyGrabber::portalId(const Shortcut& shortcut) {
    return QStringLiteral("shortcut-%1-%2")
        .arg(shortcut.carbonKeyCode)
        .arg(shortcut.carbonModifiers);
}

QString PortalHotKeyGrabber::preferredTrigger(const Shortcut& shortcut) {
    QStringList parts;
    if (shortcut.carbonModifiers & CarbonModifiers::control)
        parts << QStringLiteral("CTRL");
    if (shortcut.carbonModifiers & CarbonModifiers::option)
        parts << QStringLiteral("ALT");
    if (shortcut.carbonModifiers & CarbonModifiers::shift)
        parts << QStringLiteral("SHIFT");
    if (shortcut.carbonModifiers & CarbonModifiers::command)
        parts << QStringLiteral("LOGO");
    // The key by its XKB name: letters and digits as the US layout prints
    // them, the rest by the names Qt and XKB share (F5, Return, Left).
    QString key;
    if (const auto character = KeyCodeTable::usCharacter(shortcut.carbonKeyCode);
        character && character->isLetterOrNumber()) {
        key = character->toLower();
    } else {
        for (auto entry = KeyCodeTable::begin(); entry != KeyCodeTable::end(); ++entry)
            if (entry->carbonKeyCode == shortcut.carbonKeyCode && entry->qtKey != 0)
                key = QKeySequence(entry->qtKey).toString(QKeySequence::PortableText);
    }
    if (key.isEmpty())
        return {};
    parts << key;
    return parts.join(u'+');
}

bool PortalHotKeyGrabber::grab(qint64 hotKeyId, const Shortcut& shortcut) {
    grabbed_[hotKeyId] = shortcut;
    // Grabs come and go with our menus and recorders; the desktop hears only
    // of shortcuts it was not asked for yet.
    if (!requested_.contains(portalId(shortcut)))
        scheduleBind();
    return true;
}

void PortalHotKeyGrabber::ungrab(qint64 hotKeyId) {
    // The binding stays with the desktop (unbinding could cost the user a
    // dialog when it comes back); its events are no longer delivered.
    grabbed_.erase(hotKeyId);
}

std::optional<QString> PortalHotKeyGrabber::boundTrigger(const Shortcut& shortcut) const {
    const auto bound = triggers_.find(portalId(shortcut));
    if (bound == triggers_.end() || bound->second.isEmpty())
        return std::nullopt;
    return bound->second;
}

void PortalHotKeyGrabber::scheduleBind() {
    if (bindPending_)
        return;
    bindPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!binding_)
            bind().then([] {});
    });
}

QList<PortalShortcut> PortalHotKeyGrabber::requests() const {
    QList<PortalShortcut> shortcuts;
    std::set<QString> asked;
    for (const auto& [id, shortcut] : grabbed_) {
        const QString name = portalId(shortcut);
        if (!asked.insert(name).second)
            continue;
        QVariantMap properties{{QStringLiteral("description"), describe_(shortcut)}};
        const QString trigger = preferredTrigger(shortcut);
        if (!trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), trigger);
        shortcuts.append({name, properties});
    }
    return shortcuts;
}

QCoro::Task<void> PortalHotKeyGrabber::bind() {
    binding_ = true;
    while (bindPending_) {
        bindPending_ = false;
        // A session binds once: new shortcuts take a new session, under the
        // same name (KDE Plasma 5 files a program's shortcuts under it).
        held_.clear();
        co_await PortalRequest::closeSession(bus_, std::exchange(session_, QString()));
        const QList<PortalShortcut> shortcuts = requests();
        requested_.clear();
        for (const PortalShortcut& shortcut : shortcuts)
            requested_.insert(shortcut.id);
        try {
            // KDE Plasma 5 binds the shortcuts given with the session and
            // answers with them; there BindShortcuts would open its settings
            // instead. The others take them through BindShortcuts.
            QVariantMap options = {{QStringLiteral("session_handle_token"), sessionName}};
            options.insert(QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts));
            const QVariantMap created = co_await PortalRequest::call(
                bus_, interfaceName(), QLatin1String("CreateSession"), {}, options);
            session_ = PortalRequest::objectPath(created.value(QStringLiteral("session_handle")));
            if (created.contains(QStringLiteral("shortcuts"))) {
                triggers_ = boundTriggers(created);
            } else {
                const QVariantList arguments = {QVariant::fromValue(QDBusObjectPath(session_)),
                                                QVariant::fromValue(shortcuts), QString()};
                triggers_ = boundTriggers(co_await PortalRequest::call(
                    bus_, interfaceName(), QLatin1String("BindShortcuts"), arguments, {}));
            }
            available_ = true;
            lastError_.clear();
        } catch (const PortalError& e) {
            triggers_.clear();
            available_ = e.kind() != PortalError::Kind::missing;
            lastError_ = *available_ ? e.description()
                                     : QCoreApplication::translate(
                                           "Portal", "This desktop lets no program set global "
                                                     "shortcuts: bind the command in its keyboard "
                                                     "settings instead.");
        }
        Q_EMIT bindingsChanged();
        if (changed_)
            changed_();
    }
    binding_ = false;
}

void PortalHotKeyGrabber::deliver(const QString& id, Event event) {
    if (!handler_)
        return;
    // The handler may grab or let go of hot keys.
    std::vector<qint64> hotKeys;
    for (const auto& [hotKeyId, shortcut] : grabbed_)
        if (portalId(shortcut) == id)
            hotKeys.push_back(hotKeyId);
    for (qint64 hotKeyId : hotKeys)
        handler_(hotKeyId, event);
}

void PortalHotKeyGrabber::onSignal(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || arguments[0].value<QDBusObjectPath>().path() != session_)
        return;
    const QString id = arguments[1].toString();
    if (message.member() == u"Activated") {
        // A held key's repeats come as further activations: one press is reported.
        if (held_.insert(id).second)
            deliver(id, Event::pressed);
    } else if (held_.erase(id) != 0) {
        deliver(id, Event::released);
    }
}
