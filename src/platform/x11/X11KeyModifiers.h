#pragma once

#include "KeyBindings/Shortcut.h"

#include <xcb/xcb.h>

#include <array>
#include <optional>

// A shortcut in the X server's terms: the key code of the key in the same
// position and the modifier mask. Control and Shift are fixed; Alt (our
// option), Super (our command) and Num Lock sit on whichever of Mod1-Mod5 the
// server's modifier map puts them.
class X11KeyModifiers {
public:
    struct Combination {
        xcb_keycode_t keycode;
        uint16_t modifiers;
        bool operator==(const Combination&) const = default;
    };

    // Reads the server's modifier map; the usual Mod1/Mod4/Mod2 where it says nothing.
    static X11KeyModifiers query(xcb_connection_t* connection);

    // nullopt when the keyboard cannot produce the shortcut: a key outside the
    // key table, or the fn modifier on a key that does not imply it.
    std::optional<Combination> combination(const Shortcut& shortcut) const;

    // A grab must be repeated for every state of Caps Lock and Num Lock.
    std::array<uint16_t, 4> lockVariants() const;
    // The state of a key event with the locks and mouse buttons taken out.
    uint16_t withoutLocks(uint16_t state) const;

    uint16_t alt = XCB_MOD_MASK_1;
    uint16_t super = XCB_MOD_MASK_4;
    uint16_t numLock = XCB_MOD_MASK_2;
};
