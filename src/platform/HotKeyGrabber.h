#pragma once

#include "KeyBindings/Shortcut.h"

#include <functional>

// System-wide key combinations: whatever program is in front, a grabbed
// combination's press and release come to us instead.
class HotKeyGrabber {
public:
    enum class Event { pressed, released };
    using Handler = std::function<void(qint64 hotKeyId, Event event)>;

    virtual ~HotKeyGrabber() = default;

    // False when the desktop refuses the combination (another program holds
    // it, or the keyboard cannot produce it); nothing is grabbed then.
    virtual bool grab(qint64 hotKeyId, const Shortcut& shortcut) = 0;
    virtual void ungrab(qint64 hotKeyId) = 0;

    // Receives one `pressed` per press (a held key's repeats are not reported)
    // and one `released` when that key comes up, whatever order the user lets
    // go of the modifiers and the key in.
    virtual void setHandler(Handler handler) = 0;

    // False where the desktop lets no program grab keys: then a refusal says
    // nothing about other programs.
    virtual bool grabsKeys() const { return true; }

    // For a shortcut recorder: while the top-level `window` has the keyboard
    // focus every key comes to it, also a combination another program holds,
    // so that the recorder can tell the user it is taken. The moment another
    // window takes the focus the keys are that window's again; they come back
    // with the focus. 0 lets go. Where the desktop offers no such grab, keys
    // arrive through the focus alone.
    virtual void holdKeyboard(quint64 window) { (void)window; }
};
