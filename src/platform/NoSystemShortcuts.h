#pragma once

#include "platform/SystemShortcuts.h"

// For desktops that tell no program which combinations they use.
class NoSystemShortcuts final : public SystemShortcuts {
public:
    bool isTaken(const Shortcut&) override { return false; }
};
