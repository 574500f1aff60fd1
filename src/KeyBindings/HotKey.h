#pragma once

#include "KeyBindings/Shortcut.h"

#include <functional>

class HotKeyCenter;

// One system-wide registration of a shortcut. Destroying it gives the
// combination back to the desktop.
class HotKey {
public:
    using Action = std::function<void()>;

    HotKey(HotKeyCenter& center, const Shortcut& shortcut, Action onKeyDown, Action onKeyUp);
    ~HotKey();
    HotKey(const HotKey&) = delete;
    HotKey& operator=(const HotKey&) = delete;

    qint64 id() const { return id_; }
    qint64 carbonKeyCode() const { return shortcut_.carbonKeyCode; }
    qint64 carbonModifiers() const { return shortcut_.carbonModifiers; }
    const Shortcut& shortcut() const { return shortcut_; }

    // Whether the key code and modifiers of a key event are this hot key's,
    // with the function flag ignored on keys that imply it.
    bool matches(const Shortcut& event) const;

    Action onKeyDown;
    Action onKeyUp;
    // Called when the hot key could not be grabbed again after a pause.
    Action onRegistrationFailed;

private:
    friend class HotKeyCenter;

    HotKeyCenter& center_;
    Shortcut shortcut_;
    qint64 id_;
    bool isGrabbed_ = false; // holds the platform grab
};
