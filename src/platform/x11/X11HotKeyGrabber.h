#pragma once

#include "KeyBindings/HeldKeys.h"
#include "platform/HotKeyGrabber.h"
#include "platform/x11/X11KeyModifiers.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <map>
#include <memory>

// Global shortcuts on X11: passive key grabs on the root window, made on Qt's
// own connection so the key events arrive through Qt's event loop on the main
// thread. XKB's detectable auto-repeat is switched on, so a held key sends
// repeated presses and a single release.
class X11HotKeyGrabber final : public HotKeyGrabber, private QAbstractNativeEventFilter {
public:
    // nullptr when the application does not run on an X server.
    static std::unique_ptr<X11HotKeyGrabber> create();

    explicit X11HotKeyGrabber(xcb_connection_t* connection);
    ~X11HotKeyGrabber() override;

    bool grab(qint64 hotKeyId, const Shortcut& shortcut) override;
    void ungrab(qint64 hotKeyId) override;
    void setHandler(Handler handler) override;
    void holdKeyboard(quint64 window) override;

    // Whether the server agreed to report a held key with a single release.
    bool hasDetectableAutoRepeat() const { return detectableAutoRepeat_; }

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool grabVariants(const X11KeyModifiers::Combination& combination);
    void ungrabVariants(const X11KeyModifiers::Combination& combination);
    void report(qint64 hotKeyId, Event event);
    bool handleHotKey(const xcb_key_press_event_t& key, uint8_t type);
    bool handleHeldWindowEvent(const xcb_generic_event_t& event, uint8_t type);
    void grabKeyboard();
    void ungrabKeyboard();

    xcb_connection_t* connection_;
    xcb_window_t root_;
    X11KeyModifiers modifiers_;
    std::map<qint64, X11KeyModifiers::Combination> grabs_;
    HeldKeys held_; // by X key code
    Handler handler_;
    bool detectableAutoRepeat_ = false;
    // The recorder's window that gets every key while it has the focus, and
    // whether the focus went elsewhere (its keys then belong to others).
    xcb_window_t heldWindow_ = XCB_WINDOW_NONE;
    bool focusElsewhere_ = false;
};
