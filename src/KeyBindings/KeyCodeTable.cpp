#include "KeyBindings/KeyCodeTable.h"

#include <Qt>

#include <array>

namespace KeyCodeTable {
namespace {

// Key positions. The Apple keyboard's Help key sits where a PC keyboard has
// Insert, and its keypad Clear where the PC keyboard has Num Lock (both send
// the same USB usage); the table pairs keys by position, as the key codes of
// both systems do.
constexpr std::array entries{
    // letters
    Entry{0x00, 30, u'a', Qt::Key_A, false}, Entry{0x01, 31, u's', Qt::Key_S, false},
    Entry{0x02, 32, u'd', Qt::Key_D, false}, Entry{0x03, 33, u'f', Qt::Key_F, false},
    Entry{0x04, 35, u'h', Qt::Key_H, false}, Entry{0x05, 34, u'g', Qt::Key_G, false},
    Entry{0x06, 44, u'z', Qt::Key_Z, false}, Entry{0x07, 45, u'x', Qt::Key_X, false},
    Entry{0x08, 46, u'c', Qt::Key_C, false}, Entry{0x09, 47, u'v', Qt::Key_V, false},
    Entry{0x0B, 48, u'b', Qt::Key_B, false}, Entry{0x0C, 16, u'q', Qt::Key_Q, false},
    Entry{0x0D, 17, u'w', Qt::Key_W, false}, Entry{0x0E, 18, u'e', Qt::Key_E, false},
    Entry{0x0F, 19, u'r', Qt::Key_R, false}, Entry{0x10, 21, u'y', Qt::Key_Y, false},
    Entry{0x11, 20, u't', Qt::Key_T, false}, Entry{0x1F, 24, u'o', Qt::Key_O, false},
    Entry{0x20, 22, u'u', Qt::Key_U, false}, Entry{0x22, 23, u'i', Qt::Key_I, false},
    Entry{0x23, 25, u'p', Qt::Key_P, false}, Entry{0x25, 38, u'l', Qt::Key_L, false},
    Entry{0x26, 36, u'j', Qt::Key_J, false}, Entry{0x28, 37, u'k', Qt::Key_K, false},
    Entry{0x2D, 49, u'n', Qt::Key_N, false}, Entry{0x2E, 50, u'm', Qt::Key_M, false},
    // digits
    Entry{0x12, 2, u'1', Qt::Key_1, false}, Entry{0x13, 3, u'2', Qt::Key_2, false},
    Entry{0x14, 4, u'3', Qt::Key_3, false}, Entry{0x15, 5, u'4', Qt::Key_4, false},
    Entry{0x17, 6, u'5', Qt::Key_5, false}, Entry{0x16, 7, u'6', Qt::Key_6, false},
    Entry{0x1A, 8, u'7', Qt::Key_7, false}, Entry{0x1C, 9, u'8', Qt::Key_8, false},
    Entry{0x19, 10, u'9', Qt::Key_9, false}, Entry{0x1D, 11, u'0', Qt::Key_0, false},
    // punctuation
    Entry{0x1B, 12, u'-', Qt::Key_Minus, false}, Entry{0x18, 13, u'=', Qt::Key_Equal, false},
    Entry{0x21, 26, u'[', Qt::Key_BracketLeft, false},
    Entry{0x1E, 27, u']', Qt::Key_BracketRight, false},
    Entry{0x29, 39, u';', Qt::Key_Semicolon, false},
    Entry{0x27, 40, u'\'', Qt::Key_Apostrophe, false},
    Entry{0x32, 41, u'`', Qt::Key_QuoteLeft, false},
    Entry{0x2A, 43, u'\\', Qt::Key_Backslash, false}, Entry{0x2B, 51, u',', Qt::Key_Comma, false},
    Entry{0x2F, 52, u'.', Qt::Key_Period, false}, Entry{0x2C, 53, u'/', Qt::Key_Slash, false},
    Entry{0x0A, 86, 0, 0, false},  // the ISO key beside the left Shift
    Entry{0x5D, 124, 0, 0, false}, // JIS yen
    Entry{0x5E, 89, 0, 0, false},  // JIS underscore (ro)
    // editing and navigation
    Entry{36, 28, 0, Qt::Key_Return, false}, Entry{48, 15, 0, Qt::Key_Tab, false},
    Entry{49, 57, u' ', Qt::Key_Space, false}, Entry{51, 14, 0, Qt::Key_Backspace, false},
    Entry{53, 1, 0, Qt::Key_Escape, false}, Entry{117, 111, 0, Qt::Key_Delete, false},
    Entry{114, 110, 0, Qt::Key_Insert, false}, Entry{115, 102, 0, Qt::Key_Home, false},
    Entry{119, 107, 0, Qt::Key_End, false}, Entry{116, 104, 0, Qt::Key_PageUp, false},
    Entry{121, 109, 0, Qt::Key_PageDown, false}, Entry{126, 103, 0, Qt::Key_Up, false},
    Entry{124, 106, 0, Qt::Key_Right, false}, Entry{125, 108, 0, Qt::Key_Down, false},
    Entry{123, 105, 0, Qt::Key_Left, false},
    // function keys
    Entry{122, 59, 0, Qt::Key_F1, false}, Entry{120, 60, 0, Qt::Key_F2, false},
    Entry{99, 61, 0, Qt::Key_F3, false}, Entry{118, 62, 0, Qt::Key_F4, false},
    Entry{96, 63, 0, Qt::Key_F5, false}, Entry{97, 64, 0, Qt::Key_F6, false},
    Entry{98, 65, 0, Qt::Key_F7, false}, Entry{100, 66, 0, Qt::Key_F8, false},
    Entry{101, 67, 0, Qt::Key_F9, false}, Entry{109, 68, 0, Qt::Key_F10, false},
    Entry{103, 87, 0, Qt::Key_F11, false}, Entry{111, 88, 0, Qt::Key_F12, false},
    Entry{105, 183, 0, Qt::Key_F13, false}, Entry{107, 184, 0, Qt::Key_F14, false},
    Entry{113, 185, 0, Qt::Key_F15, false}, Entry{106, 186, 0, Qt::Key_F16, false},
    Entry{64, 187, 0, Qt::Key_F17, false}, Entry{79, 188, 0, Qt::Key_F18, false},
    Entry{80, 189, 0, Qt::Key_F19, false}, Entry{90, 190, 0, Qt::Key_F20, false},
    // keypad
    Entry{82, 82, u'0', Qt::Key_0, true}, Entry{83, 79, u'1', Qt::Key_1, true},
    Entry{84, 80, u'2', Qt::Key_2, true}, Entry{85, 81, u'3', Qt::Key_3, true},
    Entry{86, 75, u'4', Qt::Key_4, true}, Entry{87, 76, u'5', Qt::Key_5, true},
    Entry{88, 77, u'6', Qt::Key_6, true}, Entry{89, 71, u'7', Qt::Key_7, true},
    Entry{91, 72, u'8', Qt::Key_8, true}, Entry{92, 73, u'9', Qt::Key_9, true},
    Entry{71, 69, 0, Qt::Key_Clear, true}, Entry{65, 83, u'.', Qt::Key_Period, true},
    Entry{75, 98, u'/', Qt::Key_Slash, true}, Entry{76, 96, 0, Qt::Key_Enter, true},
    Entry{81, 117, u'=', Qt::Key_Equal, true}, Entry{78, 74, u'-', Qt::Key_Minus, true},
    Entry{67, 55, u'*', Qt::Key_Asterisk, true}, Entry{69, 78, u'+', Qt::Key_Plus, true},
    Entry{0x5F, 121, 0, 0, true}, // JIS keypad comma
};

const Entry* byCarbon(qint64 carbonKeyCode) {
    for (const Entry& e : entries)
        if (e.carbonKeyCode == carbonKeyCode)
            return &e;
    return nullptr;
}

} // namespace

std::optional<int> evdevCode(qint64 carbonKeyCode) {
    if (const Entry* e = byCarbon(carbonKeyCode))
        return e->evdevCode;
    return std::nullopt;
}

std::optional<qint64> carbonKeyCode(int evdevCode) {
    for (const Entry& e : entries)
        if (e.evdevCode == evdevCode)
            return e.carbonKeyCode;
    return std::nullopt;
}

std::optional<int> xKeycode(qint64 carbonKeyCode) {
    if (auto code = evdevCode(carbonKeyCode))
        return *code + xKeycodeOffset;
    return std::nullopt;
}

std::optional<qint64> carbonKeyCodeForXKeycode(int xKeycode) {
    // X key codes start at 8; anything below is no key (and must not wrap around).
    if (xKeycode < xKeycodeOffset)
        return std::nullopt;
    return carbonKeyCode(xKeycode - xKeycodeOffset);
}

std::optional<QChar> usCharacter(qint64 carbonKeyCode) {
    if (const Entry* e = byCarbon(carbonKeyCode); e && e->usCharacter != 0)
        return QChar(e->usCharacter);
    return std::nullopt;
}

std::optional<qint64> carbonKeyCodeForQtKey(int qtKey, bool keypad) {
    // Some keys exist only once: accept them whatever the keypad flag says.
    if (qtKey == Qt::Key_Enter)
        keypad = true;
    if (qtKey == Qt::Key_Backtab)
        qtKey = Qt::Key_Tab;
    for (const Entry& e : entries)
        if (e.qtKey == qtKey && e.keypad == keypad)
            return e.carbonKeyCode;
    for (const Entry& e : entries)
        if (e.qtKey == qtKey)
            return e.carbonKeyCode;
    return std::nullopt;
}

const Entry* begin() {
    return entries.data();
}

const Entry* end() {
    return entries.data() + entries.size();
}

} // namespace KeyCodeTable
