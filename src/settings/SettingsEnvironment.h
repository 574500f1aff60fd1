#pragma once

#include "KeyBindings/RecorderEnvironment.h"
#include "platform/InstallableLanguage.h"

#include <QList>
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
    // The recogniser's language codes, and those it would read once their
    // package is installed; asked each time the window is built.
    std::function<QStringList()> supportedLanguages;
    std::function<QList<InstallableLanguage>()> installableLanguages;
    UrlOpener& urlOpener;
    SettingsAppActions app;
};
