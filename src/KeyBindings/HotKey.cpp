#include "KeyBindings/HotKey.h"

#include "KeyBindings/HotKeyCenter.h"

HotKey::HotKey(HotKeyCenter& center, const Shortcut& shortcut, Action down, Action up)
    : onKeyDown(std::move(down))
    , onKeyUp(std::move(up))
    , center_(center)
    , shortcut_(shortcut)
    , id_(center.nextHotKeyId()) {}

HotKey::~HotKey() {
    center_.forget(*this);
}

bool HotKey::matches(const Shortcut& event) const {
    const Shortcut mine = Shortcut(shortcut_.key(), shortcut_.modifierFlags()).matchKey();
    const Shortcut theirs = Shortcut(event.key(), event.modifierFlags()).matchKey();
    return mine == theirs;
}
