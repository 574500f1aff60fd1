#pragma once

#include <QString>

#include <optional>

// The keys that have a name rather than a character. Any other key code is an
// ordinary key, shown by the character the keyboard layout prints on it.
enum class SpecialKey {
    return_,
    delete_,
    deleteForward,
    end,
    escape,
    help,
    home,
    space,
    tab,
    pageUp,
    pageDown,
    upArrow,
    rightArrow,
    downArrow,
    leftArrow,
    f1,
    f2,
    f3,
    f4,
    f5,
    f6,
    f7,
    f8,
    f9,
    f10,
    f11,
    f12,
    f13,
    f14,
    f15,
    f16,
    f17,
    f18,
    f19,
    f20,
    keypad0,
    keypad1,
    keypad2,
    keypad3,
    keypad4,
    keypad5,
    keypad6,
    keypad7,
    keypad8,
    keypad9,
    keypadClear,
    keypadDecimal,
    keypadDivide,
    keypadEnter,
    keypadEquals,
    keypadMinus,
    keypadMultiply,
    keypadPlus,
};

inline constexpr int specialKeyCount = 53;

std::optional<SpecialKey> specialKey(qint64 keyCode);
qint64 keyCode(SpecialKey key);
// The key's name in the text form of a shortcut, as Qt writes it in menus
// ("PgUp", "Esc", "F5"; "5" for the keypad's 5, which the caller marks as a keypad key).
QString displayName(SpecialKey key);
bool isKeypadKey(SpecialKey key);
// The key a menu item shows for it, as a Qt key; keypad keys have none.
std::optional<int> menuKey(SpecialKey key);
