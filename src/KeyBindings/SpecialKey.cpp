#include "KeyBindings/SpecialKey.h"

#include <QCoreApplication>
#include <Qt>

#include <array>
#include <unordered_map>

namespace {

struct Row {
    SpecialKey key;
    qint64 keyCode;
    // Qt's own name of the key, looked up in Qt's translations as menus do.
    const char* name;
    int menuKey; // 0: none
};

// In the enumeration's order.
constexpr std::array<Row, specialKeyCount> rows{{
    {SpecialKey::return_, 36, "Return", Qt::Key_Return},
    {SpecialKey::delete_, 51, "Backspace", Qt::Key_Backspace},
    {SpecialKey::deleteForward, 117, "Del", Qt::Key_Delete},
    {SpecialKey::end, 119, "End", Qt::Key_End},
    {SpecialKey::escape, 53, "Esc", Qt::Key_Escape},
    {SpecialKey::help, 114, "Help", Qt::Key_Help},
    {SpecialKey::home, 115, "Home", Qt::Key_Home},
    {SpecialKey::space, 49, "Space", Qt::Key_Space},
    {SpecialKey::tab, 48, "Tab", Qt::Key_Tab},
    {SpecialKey::pageUp, 116, "PgUp", Qt::Key_PageUp},
    {SpecialKey::pageDown, 121, "PgDown", Qt::Key_PageDown},
    {SpecialKey::upArrow, 126, "Up", Qt::Key_Up},
    {SpecialKey::rightArrow, 124, "Right", Qt::Key_Right},
    {SpecialKey::downArrow, 125, "Down", Qt::Key_Down},
    {SpecialKey::leftArrow, 123, "Left", Qt::Key_Left},
    {SpecialKey::f1, 122, "F1", Qt::Key_F1},
    {SpecialKey::f2, 120, "F2", Qt::Key_F2},
    {SpecialKey::f3, 99, "F3", Qt::Key_F3},
    {SpecialKey::f4, 118, "F4", Qt::Key_F4},
    {SpecialKey::f5, 96, "F5", Qt::Key_F5},
    {SpecialKey::f6, 97, "F6", Qt::Key_F6},
    {SpecialKey::f7, 98, "F7", Qt::Key_F7},
    {SpecialKey::f8, 100, "F8", Qt::Key_F8},
    {SpecialKey::f9, 101, "F9", Qt::Key_F9},
    {SpecialKey::f10, 109, "F10", Qt::Key_F10},
    {SpecialKey::f11, 103, "F11", Qt::Key_F11},
    {SpecialKey::f12, 111, "F12", Qt::Key_F12},
    {SpecialKey::f13, 105, "F13", Qt::Key_F13},
    {SpecialKey::f14, 107, "F14", Qt::Key_F14},
    {SpecialKey::f15, 113, "F15", Qt::Key_F15},
    {SpecialKey::f16, 106, "F16", Qt::Key_F16},
    {SpecialKey::f17, 64, "F17", Qt::Key_F17},
    {SpecialKey::f18, 79, "F18", Qt::Key_F18},
    {SpecialKey::f19, 80, "F19", Qt::Key_F19},
    {SpecialKey::f20, 90, "F20", Qt::Key_F20},
    {SpecialKey::keypad0, 82, "0", 0},
    {SpecialKey::keypad1, 83, "1", 0},
    {SpecialKey::keypad2, 84, "2", 0},
    {SpecialKey::keypad3, 85, "3", 0},
    {SpecialKey::keypad4, 86, "4", 0},
    {SpecialKey::keypad5, 87, "5", 0},
    {SpecialKey::keypad6, 88, "6", 0},
    {SpecialKey::keypad7, 89, "7", 0},
    {SpecialKey::keypad8, 91, "8", 0},
    {SpecialKey::keypad9, 92, "9", 0},
    {SpecialKey::keypadClear, 71, "Clear", 0},
    {SpecialKey::keypadDecimal, 65, ".", 0},
    {SpecialKey::keypadDivide, 75, "/", 0},
    {SpecialKey::keypadEnter, 76, "Enter", 0},
    {SpecialKey::keypadEquals, 81, "=", 0},
    {SpecialKey::keypadMinus, 78, "-", 0},
    {SpecialKey::keypadMultiply, 67, "*", 0},
    {SpecialKey::keypadPlus, 69, "+", 0},
}};

const Row& row(SpecialKey key) {
    return rows[static_cast<size_t>(key)];
}

} // namespace

std::optional<SpecialKey> specialKey(qint64 keyCode) {
    // Built on first use; constant afterwards.
    static const std::unordered_map<qint64, SpecialKey> byKeyCode = [] {
        std::unordered_map<qint64, SpecialKey> map;
        for (const Row& r : rows)
            map.emplace(r.keyCode, r.key);
        return map;
    }();
    if (auto it = byKeyCode.find(keyCode); it != byKeyCode.end())
        return it->second;
    return std::nullopt;
}

qint64 keyCode(SpecialKey key) {
    return row(key).keyCode;
}

QString displayName(SpecialKey key) {
    // Not a literal here, so the names stay Qt's to translate, not ours.
    const char* name = row(key).name;
    return QCoreApplication::translate("QShortcut", name);
}

bool isKeypadKey(SpecialKey key) {
    return key >= SpecialKey::keypad0;
}

std::optional<int> menuKey(SpecialKey key) {
    if (const int k = row(key).menuKey; k != 0)
        return k;
    return std::nullopt;
}
