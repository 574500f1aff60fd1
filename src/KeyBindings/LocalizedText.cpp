#include "KeyBindings/LocalizedText.h"

#include <QCoreApplication>

#include <cstring>

namespace {

struct Text {
    const char* key;
    const char* english;
};

// "%1" in a text is filled in by the caller.
constexpr Text texts[] = {
    {"record_shortcut", QT_TRANSLATE_NOOP("KeyBindings", "Record Shortcut")},
    {"press_shortcut", QT_TRANSLATE_NOOP("KeyBindings", "Press Shortcut")},
    {"keyboard_shortcut_used_by_menu_item",
     QT_TRANSLATE_NOOP("KeyBindings", "This keyboard shortcut cannot be used as it's already "
                                      "used by the “%1” menu item.")},
    {"keyboard_shortcut_used_by_system",
     QT_TRANSLATE_NOOP("KeyBindings", "This keyboard shortcut is already used by the system or "
                                      "by another program.")},
    {"keyboard_shortcuts_can_be_changed",
     QT_TRANSLATE_NOOP("KeyBindings", "Most system-wide shortcuts can be changed in your "
                                      "desktop's keyboard settings.")},
    {"keyboard_shortcut_held_by_other_program",
     QT_TRANSLATE_NOOP("KeyBindings", "Another program holds %1: it cannot be used until that "
                                      "program releases it.")},
    {"keyboard_shortcut_disallowed",
     QT_TRANSLATE_NOOP("KeyBindings", "This keyboard shortcut cannot be used here.")},
    {"ok", QT_TRANSLATE_NOOP("KeyBindings", "OK")},
    {"force_use_shortcut", QT_TRANSLATE_NOOP("KeyBindings", "Use Anyway")},
    // Qt calls this key Meta; the desktops we run on write Super.
    {"super_key", QT_TRANSLATE_NOOP("KeyBindings", "Super")},
    {"fn_key", QT_TRANSLATE_NOOP("KeyBindings", "Fn")},
};

} // namespace

QString localizedText(const char* key) {
    for (const Text& t : texts)
        if (std::strcmp(t.key, key) == 0)
            return QCoreApplication::translate("KeyBindings", t.english);
    return QString::fromUtf8(key);
}
