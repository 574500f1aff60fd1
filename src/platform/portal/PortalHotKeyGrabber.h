#pragma once

#include "platform/HotKeyGrabber.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <qcoro/qcorotask.h>

#include <map>
#include <optional>
#include <set>

struct PortalShortcut;

// Global shortcuts through the desktop's GlobalShortcuts portal (KDE Plasma,
// GNOME 48 and later). The desktop, not we, owns the keys: it binds what we
// ask for, may ask the user first, may give a shortcut another trigger or none
// (the user's choice in its settings), and never says whether another program
// holds a combination. So grab() accepts every shortcut and the desktop's
// answer comes later, through trigger() and bindingsChanged().
//
// A backend hands this object out as its HotKeyGrabber where available()
// turns true; where it turns false, the desktop has no such portal and the
// Shortcuts pane shows the command to bind by hand.
class PortalHotKeyGrabber : public QObject, public HotKeyGrabber {
    Q_OBJECT
public:
    // Names a shortcut for the desktop's list ("Capture Text").
    using Describer = std::function<QString(const Shortcut&)>;

    PortalHotKeyGrabber(QDBusConnection bus, Describer describe);
    ~PortalHotKeyGrabber() override;

    bool grab(qint64 hotKeyId, const Shortcut& shortcut) override;
    void ungrab(qint64 hotKeyId) override;
    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    // A refusal (none here) would say nothing about other programs.
    bool grabsKeys() const override { return false; }

    // The trigger the desktop bound the hot key to, in its own words; nullopt
    // until it has answered, or when it left the shortcut unbound.
    std::optional<QString> trigger(qint64 hotKeyId) const;
    // Whether the desktop offers the portal; nullopt until the first bind
    // has been answered.
    std::optional<bool> available() const { return available_; }
    // The desktop's reason when the last bind failed (no portal, refused).
    QString lastError() const { return lastError_; }

    // The portal's name for a shortcut, stable across runs.
    static QString portalId(const Shortcut& shortcut);
    // The shortcut in the form the portal takes as a preferred trigger:
    // "LOGO+SHIFT+t".
    static QString preferredTrigger(const Shortcut& shortcut);

Q_SIGNALS:
    void bindingsChanged();

private Q_SLOTS:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void onDeactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                       const QVariantMap& options);

private:
    QList<PortalShortcut> requests() const;
    void scheduleBind();
    QCoro::Task<void> bind();
    void closeSession();
    void deliver(const QString& id, Event event);

    QDBusConnection bus_;
    Describer describe_;
    Handler handler_;
    std::map<qint64, Shortcut> grabbed_;
    std::map<QString, QString> triggers_; // portal id -> the desktop's trigger
    std::set<QString> held_;
    QString session_;
    std::optional<bool> available_;
    QString lastError_;
    bool bindPending_ = false;
    bool binding_ = false;
};
