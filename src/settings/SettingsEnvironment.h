#pragma once

#include "KeyBindings/RecorderEnvironment.h"

#include <QStringList>

#include <functional>

class UrlOpener;
class UserDefaults;

// What the tray menu offers besides the settings. Where the desktop shows no
// tray icon, the settings window offers it instead.
struct SettingsAppActions {
    std::function<bool()> trayAvailable; // empty: there is a tray
    std::function<void()> openHistory;
    std::function<void()> openOnboarding;
    std::function<void()> quit;
};

// What the settings window reads and changes.
struct SettingsEnvironment {
    UserDefaults& defaults;
    // The shortcut recorders' module, the desktop's shortcuts and our menus.
    RecorderEnvironment recorder;
    // The recogniser's language codes; asked each time the window is built.
    std::function<QStringList()> supportedLanguages;
    UrlOpener& urlOpener;
    SettingsAppActions app;
};
