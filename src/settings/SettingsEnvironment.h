#pragma once

#include "KeyBindings/RecorderEnvironment.h"

#include <QStringList>

#include <functional>

class UrlOpener;
class UserDefaults;

// What the settings window reads and changes.
struct SettingsEnvironment {
    UserDefaults& defaults;
    // The shortcut recorders' module, the desktop's shortcuts and our menus.
    RecorderEnvironment recorder;
    // The recogniser's language codes; asked each time the window is built.
    std::function<QStringList()> supportedLanguages;
    UrlOpener& urlOpener;
};
