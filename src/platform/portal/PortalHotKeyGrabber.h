#pragma once

#include "platform/HotKeyGrabber.h"

#include <QDBusConnection>
#include <QDBusMessage>
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
// answer comes later, through boundTrigger() and bindingsChanged().
//
// Until the first bind is answered the desktop is taken to bind; where it
// turns out to offer no such portal, reach() says none, and the Shortcuts pane
// shows the command to bind by hand.
class PortalHotKeyGrabber : public QObject, public HotKeyGrabber {
    Q_OBJECT
public:
    explicit PortalHotKeyGrabber(QDBusConnection bus);
    ~PortalHotKeyGrabber() override;

    bool grab(qint64 hotKeyId, const Shortcut& shortcut) override;
    void ungrab(qint64 hotKeyId) override;
    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    Reach reach() const override { return available_ == false ? Reach::none : Reach::desktopBinds; }
    std::optional<QString> boundTrigger(const Shortcut& shortcut) const override;
    void setDescriber(Describer describer) override { describe_ = std::move(describer); }
    void setChangeHandler(std::function<void()> handler) override { changed_ = std::move(handler); }

    // Whether the desktop offers the portal; nullopt until the first bind
    // has been answered.
    std::optional<bool> available() const { return available_; }
    // The desktop's reason when the last bind failed (no portal, refused).
    QString lastError() const { return lastError_; }

    static QString portalId(const Shortcut& shortcut);
    // The shortcut in the form the portal takes as a preferred trigger:
    // "LOGO+SHIFT+t".
    static QString preferredTrigger(const Shortcut& shortcut);

Q_SIGNALS:
    void bindingsChanged();

private Q_SLOTS:
    // Activated and Deactivated, (o session, s id, t timestamp, a{sv} options).
    void onSignal(const QDBusMessage& message);

private:
    QList<PortalShortcut> requests() const;
    void scheduleBind();
    QCoro::Task<void> bind();
    void deliver(const QString& id, Event event);

    QDBusConnection bus_;
    Describer describe_;
    Handler handler_;
    std::function<void()> changed_;
    std::map<qint64, Shortcut> grabbed_;
    std::set<QString> requested_;         // portal ids asked for in this session
    std::map<QString, QString> triggers_; // portal id -> the desktop's trigger
    std::set<QString> held_;
    QString session_;
    std::optional<bool> available_;
    QString lastError_;
    bool bindPending_ = false;
    bool binding_ = false;
};
