#include "KeyBindings/MenuItemShortcut.h"

#include "KeyBindings/Utilities.h"
#include "platform/base/NotificationCenter.h"

#include <QAction>

MenuItemShortcut::MenuItemShortcut(KeyBindings& keyBindings, QAction* action,
                                   KeyBindings::Name name)
    : QObject(action)
    , keyBindings_(keyBindings)
    , action_(action)
    , name_(std::move(name)) {
    // Only the global shortcut acts, on release; Qt must not act on the press.
    action_->setShortcutContext(Qt::WidgetShortcut);
    NotificationCenter& notifications = keyBindings_.notificationCenter();
    notifications.addObserver(KeyBindings::shortcutByNameDidChangeNotification(), this,
                              [this](const Notification&) { refresh(); });
    for (const QString& notification : {KeyBindings::recorderActiveStatusDidChangeNotification(),
                                        KeyBindings::shortcutRegistrationDidChangeNotification(),
                                        KeyBindings::desktopBindingsDidChangeNotification()})
        notifications.addObserver(notification, this, [this](const Notification&) { refresh(); });
    refresh();
}

void MenuItemShortcut::refresh() {
    action_->setShortcut(KeyBindingsUtilities::menuKeySequence(keyBindings_, name_));
}
