#pragma once

#include "KeyBindings/Shortcut.h"

#include <QString>

#include <functional>
#include <optional>

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

    // How far the desktop lets a program go with global shortcuts:
    // - grabs: we take combinations ourselves, and a refusal means another
    //   program holds one;
    // - desktopBinds: the desktop binds what we ask for (it may ask the user
    //   first, and its keyboard settings may move a shortcut to another
    //   trigger or none); boundTrigger() tells where it put one;
    // - none: no program may have global shortcuts here.
    enum class Reach { grabs, desktopBinds, none };
    virtual Reach reach() const { return Reach::grabs; }

    // Where the desktop binds: the trigger it gave the shortcut, in its own
    // words ("Meta+Shift+T"); nullopt until it answered, or when it left the
    // shortcut unbound.
    virtual std::optional<QString> boundTrigger(const Shortcut& shortcut) const {
        (void)shortcut;
        return std::nullopt;
    }
    // Where the desktop lists the shortcuts it binds: the name it shows for one
    // ("Capture Text").
    using Describer = std::function<QString(const Shortcut&)>;
    virtual void setDescriber(Describer describer) { (void)describer; }
    // Runs whenever reach() or a bound trigger changes.
    virtual void setChangeHandler(std::function<void()> handler) { (void)handler; }

    // For a shortcut recorder: while the top-level `window` has the keyboard
    // focus every key comes to it, also a combination another program holds,
    // so that the recorder can tell the user it is taken. The moment another
    // window takes the focus the keys are that window's again; they come back
    // with the focus. 0 lets go. Where the desktop offers no such grab, keys
    // arrive through the focus alone.
    virtual void holdKeyboard(quint64 window) { (void)window; }
};
