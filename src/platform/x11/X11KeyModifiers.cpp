#include "platform/x11/X11KeyModifiers.h"

#include "KeyBindings/KeyCodeTable.h"

#include <xcb/xcb_keysyms.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <cstdlib>
#include <memory>

X11KeyModifiers X11KeyModifiers::query(xcb_connection_t* connection) {
    X11KeyModifiers result;
    const std::unique_ptr<xcb_get_modifier_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr),
        &std::free);
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    if (!mapping || !symbols) {
        xcb_key_symbols_free(symbols);
        return result;
    }
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    bool foundAlt = false, foundSuper = false, foundNumLock = false;
    // Shift, Lock and Control are fixed; look at Mod1 to Mod5.
    for (int modifier = 3; modifier < 8; ++modifier) {
        const auto mask = static_cast<uint16_t>(1u << modifier);
        for (int k = 0; k < perModifier; ++k) {
            const xcb_keycode_t keycode = keycodes[modifier * perModifier + k];
            if (keycode == 0)
                continue;
            const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(symbols, keycode, 0);
            if (!foundAlt && (keysym == XKB_KEY_Alt_L || keysym == XKB_KEY_Alt_R)) {
                result.alt = mask;
                foundAlt = true;
            } else if (!foundSuper && (keysym == XKB_KEY_Super_L || keysym == XKB_KEY_Super_R)) {
                result.super = mask;
                foundSuper = true;
            } else if (!foundNumLock && keysym == XKB_KEY_Num_Lock) {
                result.numLock = mask;
                foundNumLock = true;
            }
        }
    }
    xcb_key_symbols_free(symbols);
    return result;
}

std::optional<X11KeyModifiers::Combination>
X11KeyModifiers::combination(const Shortcut& shortcut) const {
    const Shortcut key = shortcut.matchKey();
    const qint64 flags = key.modifierFlags();
    if (flags & ModifierFlags::function)
        return std::nullopt;
    const auto keycode = KeyCodeTable::xKeycode(key.carbonKeyCode);
    if (!keycode || *keycode > 255)
        return std::nullopt;
    uint16_t modifiers = 0;
    if (flags & ModifierFlags::shift)
        modifiers |= XCB_MOD_MASK_SHIFT;
    if (flags & ModifierFlags::control)
        modifiers |= XCB_MOD_MASK_CONTROL;
    if (flags & ModifierFlags::option)
        modifiers |= alt;
    if (flags & ModifierFlags::command)
        modifiers |= super;
    return Combination{static_cast<xcb_keycode_t>(*keycode), modifiers};
}

std::array<uint16_t, 4> X11KeyModifiers::lockVariants() const {
    const uint16_t caps = XCB_MOD_MASK_LOCK;
    return {0, caps, numLock, static_cast<uint16_t>(caps | numLock)};
}

uint16_t X11KeyModifiers::withoutLocks(uint16_t state) const {
    return state & 0xFF & ~(XCB_MOD_MASK_LOCK | numLock);
}
