#pragma once

#include "KeyBindings/EventType.h"
#include "KeyBindings/HotKeyCenter.h"
#include "KeyBindings/Shortcut.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class HotKey;
class HotKeyGrabber;
class KeyboardLayout;
class NotificationCenter;
class QObject;
class UserDefaults;

// The keyboard-shortcut module: named shortcuts, their storage in the user
// defaults under "KeyBindings_<name>", the handlers that run when a named
// shortcut is pressed or released anywhere on the desktop, and the pause while
// a recorder records. The application owns one and hands it to whoever needs it.
class KeyBindings {
public:
    // A named shortcut slot with an optional default. The name is its identity.
    struct Name {
        QString rawValue;
        std::optional<Shortcut> initialShortcut;

        bool operator==(const Name& other) const { return rawValue == other.rawValue; }
    };
    using Action = std::function<void()>;

    static QString shortcutByNameDidChangeNotification() {
        return QStringLiteral("KeyBindings_shortcutByNameDidChange");
    }
    static QString recorderActiveStatusDidChangeNotification() {
        return QStringLiteral("KeyBindings_recorderActiveStatusDidChange");
    }
    // Posted when a name's shortcut is refused by the desktop or taken after
    // a refusal; user info "name" and "isRefused" (Boolean).
    static QString shortcutRegistrationDidChangeNotification() {
        return QStringLiteral("KeyBindings_shortcutRegistrationDidChange");
    }
    // Posted when the desktop that binds the shortcuts answers: what it bound
    // changed, or it turned out to offer no shortcuts at all.
    static QString desktopBindingsDidChangeNotification() {
        return QStringLiteral("KeyBindings_desktopBindingsDidChange");
    }
    static QString storageKey(const Name& name) { return u"KeyBindings_" + name.rawValue; }

    KeyBindings(UserDefaults& defaults, NotificationCenter& notifications, HotKeyGrabber& grabber,
                const KeyboardLayout& layout);
    ~KeyBindings();
    KeyBindings(const KeyBindings&) = delete;
    KeyBindings& operator=(const KeyBindings&) = delete;

    // Declares a name. A default goes into the store only when the store holds
    // nothing at all under the name, so a shortcut the user removed stays removed.
    Name createName(const QString& rawValue, std::optional<Shortcut> initialShortcut = {});

    // The stored shortcut: a JSON string gives it; false, anything
    // unreadable, or nothing gives none.
    std::optional<Shortcut> readShortcut(const Name& name) const;
    // Stores the shortcut (or its absence), moves the hot key and announces the
    // change. Clearing a name that has a default stores false.
    void writeShortcut(const Name& name, std::optional<Shortcut> shortcut);

    void addKeyDownHandler(const Name& name, Action action);
    void addKeyUpHandler(const Name& name, Action action);

    // While paused no handler runs and no combination is grabbed.
    bool isPaused() const { return isPaused_; }
    void setPaused(bool paused);

    // Bookkeeping of the one recorder that may record at a time: starting
    // pauses the shortcuts and announces it; ending does the reverse, and only
    // for the recorder that started.
    bool isRecorderActive() const { return activeRecorder_ != nullptr; }
    void recorderDidStart(const QObject* recorder);
    void recorderDidEnd(const QObject* recorder);

    QString description(const Shortcut& shortcut) const;

    // Whether a hot key currently holds the shortcut.
    bool isRegistered(const Shortcut& shortcut) const { return registry_.contains(shortcut); }
    // Whether the name's shortcut is stored and wanted but the desktop refused
    // it (another program holds it): it does nothing until that program lets
    // go and it is tried again.
    bool isRefused(const Name& name) const;
    // False where the desktop lets no program have global shortcuts (Wayland
    // without a shortcuts portal): then none of ours acts, whatever is stored.
    bool shortcutsAct() const;
    // True where the desktop, not we, binds the shortcuts (a portal): what is
    // stored is only asked for, and desktopTrigger() says what it bound.
    bool desktopBindsShortcuts() const;
    // Where the desktop binds: the trigger it gave the name's shortcut, in its
    // own words; nullopt until it answered or when it left it unbound.
    std::optional<QString> desktopTrigger(const Name& name) const;
    // The name the desktop shows for a shortcut in its list ("Capture Text").
    void setTitle(const Name& name, const QString& title);
    // Tries every refused shortcut again (but the one just tried). Also done
    // whenever a shortcut is written and whenever a recorder stops recording.
    void registerRefusedShortcuts(std::optional<Shortcut> justTried = std::nullopt);

    // The recorder's keyboard grab while it records (see
    // HotKeyGrabber::holdKeyboard); 0 lets go.
    void holdKeyboard(quint64 window);

    HotKeyCenter& hotKeyCenter() { return center_; }
    NotificationCenter& notificationCenter() const { return notifications_; }
    const KeyboardLayout& keyboardLayout() const { return layout_; }

private:
    using HandlerTable = std::vector<std::pair<Name, std::vector<Action>>>;

    static std::vector<Action>* actions(HandlerTable& table, const Name& name);
    bool hasHandlers(const Name& name) const;
    bool isStoredFalse(const Name& name) const;
    void addHandler(HandlerTable& table, const Name& name, Action action);
    void registerShortcut(const Shortcut& shortcut);
    void unregisterOldShortcut(const Name& name);
    void registerIfNeeded(const Name& name);
    void announce(const Name& name);
    void setRefused(const Shortcut& shortcut, bool refused);
    void dispatch(EventType type, const Shortcut& shortcut);

    UserDefaults& defaults_;
    NotificationCenter& notifications_;
    HotKeyGrabber& grabber_;
    const KeyboardLayout& layout_;
    HotKeyCenter center_;
    HandlerTable keyDownHandlers_;
    HandlerTable keyUpHandlers_;
    // Declared after the center: hot keys leave the center when destroyed.
    std::unordered_map<Shortcut, std::unique_ptr<HotKey>> registry_;
    // Shortcuts the desktop refused the last time they were tried.
    std::unordered_set<Shortcut> refused_;
    std::vector<std::pair<Name, QString>> titles_;
    bool isPaused_ = false;
    const QObject* activeRecorder_ = nullptr;
};
