#include "platform/UsKeyboardLayout.h"

#include "KeyBindings/KeyCodeTable.h"

std::optional<QString> UsKeyboardLayout::character(qint64 carbonKeyCode) const {
    if (const auto c = KeyCodeTable::usCharacter(carbonKeyCode))
        return QString(*c);
    return std::nullopt;
}
