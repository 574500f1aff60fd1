#pragma once

#include <QList>

#include <functional>

class KeyBindings;
class QMenu;
class SystemShortcuts;

// What a shortcut recorder checks a new shortcut against, and with what.
struct RecorderEnvironment {
    KeyBindings& keyBindings;
    SystemShortcuts& systemShortcuts;
    // The application's menus, whose items' shortcuts a new one must not take.
    std::function<QList<QMenu*>()> applicationMenus;
    // The error sound; QApplication::beep when not set.
    std::function<void()> beep;
};
