#pragma once

#include "KeyBindings/Shortcut.h"

// Key combinations the desktop or another program already uses.
class SystemShortcuts {
public:
    virtual ~SystemShortcuts() = default;

    // True when the combination is known to be taken; any failure to find out
    // counts as not taken.
    virtual bool isTaken(const Shortcut& shortcut) = 0;
};
