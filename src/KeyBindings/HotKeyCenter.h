#pragma once

#include "KeyBindings/EventType.h"
#include "KeyBindings/HeldKeys.h"
#include "platform/HotKeyGrabber.h"

#include <map>

class HotKey;

// Holds the platform grabs of the live hot keys and hands their presses and
// releases to them. Three modes: `normal` (grabs held, platform events
// delivered), `menuOpen` (one of our menus holds the keyboard, so the grabs
// cannot fire: they are released and the application's own key events are
// matched instead) and `disabled` (paused: every grab released). Leaving a
// mode grabs every hot key again; one that is refused then drops out.
class HotKeyCenter {
public:
    enum class Mode { disabled, normal, menuOpen };

    explicit HotKeyCenter(HotKeyGrabber& grabber);
    ~HotKeyCenter();
    HotKeyCenter(const HotKeyCenter&) = delete;
    HotKeyCenter& operator=(const HotKeyCenter&) = delete;

    // Ids start at 1 and are never reused.
    qint64 nextHotKeyId() { return ++lastHotKeyId_; }

    // Grabs the hot key; false when the platform refuses it (it is not kept then).
    bool registerHotKey(HotKey& hotKey);

    void setEnabled(bool enabled);
    void setMenuOpen(bool open);
    Mode mode() const { return mode_; }

    // A key event the application received while one of its menus is open,
    // with the key code and modifiers of the event. True when it belonged to a
    // hot key and was handled (the menu must not see it). Auto-repeats pass.
    bool handleMenuKeyEvent(EventType type, const Shortcut& event, bool isAutoRepeat);

private:
    friend class HotKey;
    void forget(HotKey& hotKey);

    Mode computedMode() const;
    void updateMode();
    void applyMode();
    void handleGrabberEvent(qint64 hotKeyId, HotKeyGrabber::Event event);
    HotKey* liveHotKey(qint64 id) const;

    HotKeyGrabber& grabber_;
    qint64 lastHotKeyId_ = 0;
    std::map<qint64, HotKey*> hotKeys_; // not owned: a HotKey leaves when destroyed
    bool hasEventHandler_ = false;
    bool isEnabled_ = true;
    bool isMenuOpen_ = false;
    bool isHotKeyEventHandlingEnabled_ = false;
    bool isRawKeyEventHandlingEnabled_ = false;
    Mode mode_ = Mode::normal;
    HeldKeys menuHeldKeys_;
};
