#include "KeyBindings/KeyBindings.h"

#include "KeyBindings/HotKey.h"
#include "platform/HotKeyGrabber.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"

#include <QStringList>

#include <algorithm>

namespace {

// The settings file has no Boolean type: false written there reads back as the
// string "false". A JSON shortcut always starts with "{", so the two never mix.
bool isFalse(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return !value.toBool();
    return value.typeId() == QMetaType::QString && value.toString() == u"false";
}

} // namespace

KeyBindings::KeyBindings(UserDefaults& defaults, NotificationCenter& notifications,
                         HotKeyGrabber& grabber, const KeyboardLayout& layout)
    : defaults_(defaults)
    , notifications_(notifications)
    , grabber_(grabber)
    , layout_(layout)
    , center_(grabber) {
    grabber_.setDescriber([this](const Shortcut& shortcut) {
        QStringList titles;
        for (const auto& [name, title] : titles_)
            if (readShortcut(name) == shortcut)
                titles << title;
        return titles.isEmpty() ? description(shortcut) : titles.join(u" / ");
    });
    grabber_.setChangeHandler(
        [this] { notifications_.post(desktopBindingsDidChangeNotification()); });
}

KeyBindings::~KeyBindings() {
    grabber_.setDescriber({});
    grabber_.setChangeHandler({});
}

KeyBindings::Name KeyBindings::createName(const QString& rawValue,
                                          std::optional<Shortcut> initialShortcut) {
    Name name{rawValue, initialShortcut};
    if (initialShortcut && !defaults_.hasStoredValue(storageKey(name)))
        defaults_.setValue(storageKey(name), initialShortcut->toJson());
    return name;
}

std::optional<Shortcut> KeyBindings::readShortcut(const Name& name) const {
    const QVariant value = defaults_.object(storageKey(name));
    if (!value.isValid() || isFalse(value))
        return std::nullopt;
    const std::optional<QString> json = UserDefaultsValue::toString(value);
    if (!json)
        return std::nullopt;
    return Shortcut::fromJson(*json);
}

bool KeyBindings::isStoredFalse(const Name& name) const {
    return defaults_.hasStoredValue(storageKey(name)) &&
           isFalse(defaults_.storedObject(storageKey(name)));
}

void KeyBindings::writeShortcut(const Name& name, std::optional<Shortcut> shortcut) {
    const QString key = storageKey(name);
    if (shortcut) {
        const QString json = shortcut->toJson();
        unregisterOldShortcut(name);
        defaults_.setValue(key, json);
    } else if (name.initialShortcut) {
        // False rather than nothing, so the default does not come back.
        if (isStoredFalse(name))
            return;
        unregisterOldShortcut(name);
        defaults_.setValue(key, false);
    } else {
        if (!defaults_.hasStoredValue(key))
            return;
        unregisterOldShortcut(name);
        defaults_.remove(key);
    }
    registerIfNeeded(name);
    announce(name);
    registerRefusedShortcuts(readShortcut(name));
}

void KeyBindings::addKeyDownHandler(const Name& name, Action action) {
    addHandler(keyDownHandlers_, name, std::move(action));
}

void KeyBindings::addKeyUpHandler(const Name& name, Action action) {
    addHandler(keyUpHandlers_, name, std::move(action));
}

void KeyBindings::addHandler(HandlerTable& table, const Name& name, Action action) {
    if (std::vector<Action>* list = actions(table, name))
        list->push_back(std::move(action));
    else
        table.emplace_back(name, std::vector<Action>{std::move(action)});
    registerIfNeeded(name);
}

std::vector<KeyBindings::Action>* KeyBindings::actions(HandlerTable& table, const Name& name) {
    for (auto& [n, list] : table)
        if (n == name)
            return &list;
    return nullptr;
}

bool KeyBindings::hasHandlers(const Name& name) const {
    for (const HandlerTable* table : {&keyDownHandlers_, &keyUpHandlers_})
        for (const auto& [n, list] : *table)
            if (n == name && !list.empty())
                return true;
    return false;
}

void KeyBindings::setPaused(bool paused) {
    isPaused_ = paused;
    // Before the center grabs the others again, so each is tried once.
    if (!paused)
        registerRefusedShortcuts();
    center_.setEnabled(!paused);
}

bool KeyBindings::shortcutsAct() const {
    return grabber_.reach() != HotKeyGrabber::Reach::none;
}

bool KeyBindings::desktopBindsShortcuts() const {
    return grabber_.reach() == HotKeyGrabber::Reach::desktopBinds;
}

std::optional<QString> KeyBindings::desktopTrigger(const Name& name) const {
    const std::optional<Shortcut> shortcut = readShortcut(name);
    if (!shortcut || !desktopBindsShortcuts())
        return std::nullopt;
    return grabber_.boundTrigger(*shortcut);
}

void KeyBindings::setTitle(const Name& name, const QString& title) {
    for (auto& [n, t] : titles_)
        if (n == name) {
            t = title;
            return;
        }
    titles_.emplace_back(name, title);
}

bool KeyBindings::isRefused(const Name& name) const {
    if (refused_.empty() || !hasHandlers(name))
        return false;
    const std::optional<Shortcut> shortcut = readShortcut(name);
    return shortcut && refused_.contains(*shortcut);
}

void KeyBindings::registerRefusedShortcuts(std::optional<Shortcut> justTried) {
    // Copied: registering changes the set.
    const std::vector<Shortcut> refused(refused_.begin(), refused_.end());
    for (const Shortcut& shortcut : refused)
        if (shortcut != justTried)
            registerShortcut(shortcut);
}

void KeyBindings::holdKeyboard(quint64 window) {
    grabber_.holdKeyboard(window);
}

void KeyBindings::recorderDidStart(const QObject* recorder) {
    activeRecorder_ = recorder;
    setPaused(true);
    notifications_.post(recorderActiveStatusDidChangeNotification(), {},
                        {{QStringLiteral("isActive"), true}});
}

void KeyBindings::recorderDidEnd(const QObject* recorder) {
    if (recorder == nullptr || activeRecorder_ != recorder)
        return;
    activeRecorder_ = nullptr;
    setPaused(false);
    notifications_.post(recorderActiveStatusDidChangeNotification(), {},
                        {{QStringLiteral("isActive"), false}});
}

QString KeyBindings::description(const Shortcut& shortcut) const {
    return shortcut.description(layout_);
}

void KeyBindings::registerShortcut(const Shortcut& shortcut) {
    if (registry_.contains(shortcut))
        return;
    auto hotKey = std::make_unique<HotKey>(
        center_, shortcut, [this, shortcut] { dispatch(EventType::keyDown, shortcut); },
        [this, shortcut] { dispatch(EventType::keyUp, shortcut); });
    // Refused by the desktop: the name stays silent until it is tried again.
    if (!center_.registerHotKey(*hotKey)) {
        setRefused(shortcut, true);
        return;
    }
    hotKey->onRegistrationFailed = [this, shortcut, raw = hotKey.get()] {
        const auto it = registry_.find(shortcut);
        if (it != registry_.end() && it->second.get() == raw) {
            registry_.erase(it);
            setRefused(shortcut, true);
        }
    };
    registry_.emplace(shortcut, std::move(hotKey));
    setRefused(shortcut, false);
}

void KeyBindings::setRefused(const Shortcut& shortcut, bool refused) {
    // Where we grab nothing ourselves, no other program is to blame.
    if (grabber_.reach() != HotKeyGrabber::Reach::grabs)
        return;
    if (!refused && !refused_.erase(shortcut))
        return;
    if (refused)
        refused_.insert(shortcut);
    // Each refusal is told, so that it can be logged; a success only once.
    std::vector<Name> names;
    for (const HandlerTable* table : {&keyDownHandlers_, &keyUpHandlers_})
        for (const auto& [name, list] : *table)
            if (!list.empty() && readShortcut(name) == shortcut &&
                std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
    for (const Name& name : names)
        notifications_.post(
            shortcutRegistrationDidChangeNotification(), {},
            {{QStringLiteral("name"), name.rawValue}, {QStringLiteral("isRefused"), refused}});
}

void KeyBindings::unregisterOldShortcut(const Name& name) {
    const std::optional<Shortcut> old = readShortcut(name);
    if (!old)
        return;
    // Another name may share the shortcut; its hot key stays then.
    for (const HandlerTable* table : {&keyDownHandlers_, &keyUpHandlers_})
        for (const auto& [other, list] : *table)
            if (!(other == name) && hasHandlers(other) && readShortcut(other) == old)
                return;
    registry_.erase(*old);
    // Nobody wants it any more: no need to try it again.
    refused_.erase(*old);
}

void KeyBindings::registerIfNeeded(const Name& name) {
    if (!hasHandlers(name))
        return;
    if (const std::optional<Shortcut> shortcut = readShortcut(name))
        registerShortcut(*shortcut);
}

void KeyBindings::announce(const Name& name) {
    notifications_.post(shortcutByNameDidChangeNotification(), {},
                        {{QStringLiteral("name"), name.rawValue}});
}

void KeyBindings::dispatch(EventType type, const Shortcut& shortcut) {
    if (isPaused_)
        return;
    // Collected first: an action may add handlers or rewrite shortcuts.
    std::vector<Action> due;
    for (const auto& [name, list] : type == EventType::keyDown ? keyDownHandlers_ : keyUpHandlers_)
        if (readShortcut(name) == shortcut)
            due.insert(due.end(), list.begin(), list.end());
    for (const Action& action : due)
        action();
}
