#pragma once

#include "KeyBindings/KeyBindings.h"

#include <QObject>

class QAction;

// Keeps a menu item's shortcut in step with a named shortcut: shown when the
// name has one, hidden while a recorder records or another program holds it,
// re-read whenever any of these changes. The item only shows the combination; the global shortcut
// itself starts the action, on release.
class MenuItemShortcut : public QObject {
    Q_OBJECT
public:
    // Lives as long as the action.
    MenuItemShortcut(KeyBindings& keyBindings, QAction* action, KeyBindings::Name name);

private:
    void refresh();

    KeyBindings& keyBindings_;
    QAction* action_;
    KeyBindings::Name name_;
};
