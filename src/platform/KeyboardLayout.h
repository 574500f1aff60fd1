#pragma once

#include <QString>

#include <optional>

// The keyboard layout the user types with: which character a key prints.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // What the key (a Carbon virtual key code) prints without modifiers on the
    // current layout, or nullopt when it prints nothing.
    virtual std::optional<QString> character(qint64 carbonKeyCode) const = 0;
};
