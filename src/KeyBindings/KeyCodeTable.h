#pragma once

#include <QChar>
#include <QtGlobal>

#include <optional>

// One table of physical keys: the Carbon virtual key code a shortcut stores,
// the Linux evdev code of the key in the same position (the X server's key
// code is the evdev code plus 8), the character a US layout prints on it, and
// the Qt key it reports when a key event carries no scan code.
namespace KeyCodeTable {

inline constexpr int xKeycodeOffset = 8;

struct Entry {
    qint64 carbonKeyCode;
    int evdevCode;
    char16_t usCharacter; // 0: none
    int qtKey;            // 0: none
    bool keypad;
};

std::optional<int> evdevCode(qint64 carbonKeyCode);
std::optional<qint64> carbonKeyCode(int evdevCode);

std::optional<int> xKeycode(qint64 carbonKeyCode);
std::optional<qint64> carbonKeyCodeForXKeycode(int xKeycode);

// The character of the key on a US layout, unshifted.
std::optional<QChar> usCharacter(qint64 carbonKeyCode);

// For key events without a scan code (the offscreen platform, some Wayland
// compositors): the key from Qt's key and whether it came from the keypad.
std::optional<qint64> carbonKeyCodeForQtKey(int qtKey, bool keypad);

const Entry* begin();
const Entry* end();

} // namespace KeyCodeTable
