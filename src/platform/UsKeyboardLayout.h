#pragma once

#include "platform/KeyboardLayout.h"

// The US layout, for desktops that do not tell us theirs.
class UsKeyboardLayout final : public KeyboardLayout {
public:
    std::optional<QString> character(qint64 carbonKeyCode) const override;
};
