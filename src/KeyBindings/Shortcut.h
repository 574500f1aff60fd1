#pragma once

#include "KeyBindings/Key.h"

#include <QHashFunctions>
#include <QString>

#include <functional>
#include <optional>

class KeyboardLayout;

// Event-modifier flags: the form in which key events and menus carry modifiers.
namespace ModifierFlags {
inline constexpr qint64 capsLock = 0x10000;
inline constexpr qint64 shift = 0x20000;
inline constexpr qint64 control = 0x40000;
inline constexpr qint64 option = 0x80000;
inline constexpr qint64 command = 0x100000;
inline constexpr qint64 numericPad = 0x200000;
inline constexpr qint64 help = 0x400000;
inline constexpr qint64 function = 0x800000;
} // namespace ModifierFlags

// Carbon modifier bits: the form a shortcut is stored in.
namespace CarbonModifiers {
inline constexpr qint64 command = 0x100;
inline constexpr qint64 shift = 0x200;
inline constexpr qint64 option = 0x800;
inline constexpr qint64 control = 0x1000;
inline constexpr qint64 function = 0x20000;
} // namespace CarbonModifiers

// Each flag present becomes its Carbon bit; every other flag is dropped.
qint64 toCarbon(qint64 flags);
// Carbon bits back to event flags.
qint64 toFlags(qint64 carbonModifiers);

// A key with modifiers. Built from a key and flags it is normalised (only the
// five shortcut modifiers survive); decoded from storage it keeps what was stored.
struct Shortcut {
    qint64 carbonKeyCode = 0;
    qint64 carbonModifiers = 0;

    constexpr Shortcut() = default;
    constexpr Shortcut(qint64 keyCode, qint64 modifiers)
        : carbonKeyCode(keyCode)
        , carbonModifiers(modifiers) {}
    Shortcut(Key key, qint64 modifierFlags);

    Key key() const { return Key{carbonKeyCode}; }
    qint64 modifierFlags() const { return toFlags(carbonModifiers); }

    // F1-F20, Help, forward delete, keypad clear, Home, End, Page Up/Down and the
    // arrows, which keyboards report with the function flag set.
    bool isFunctionKeyImplied() const;
    // The form two shortcuts are compared in: the function flag removed from
    // keys that imply it, so F5 matches whether or not the event carried fn.
    Shortcut matchKey() const;

    // Compact JSON, members in the order carbonKeyCode, carbonModifiers.
    QString toJson() const;
    // Accepts the members in either order; anything else gives nullopt.
    static std::optional<Shortcut> fromJson(const QString& json);

    // The text form, as the desktop's menus write it: "Super+Shift+T",
    // "Ctrl+Alt+PgUp", "Num+5". Modifiers in Qt's order (Super, Ctrl, Alt,
    // Shift, then Fn), then the key's name or the layout's character for it
    // (U+FFFD when it has none), joined by "+".
    QString description(const KeyboardLayout& layout) const;

    constexpr bool operator==(const Shortcut&) const = default;
};

inline size_t qHash(const Shortcut& s, size_t seed = 0) noexcept {
    return qHashMulti(seed, s.carbonKeyCode, s.carbonModifiers);
}

template <>
struct std::hash<Shortcut> {
    size_t operator()(const Shortcut& s) const noexcept { return qHash(s); }
};
