// Global shortcuts against a real X server (a private Xvfb), driven by xdotool,
// whose XTest key events go through passive grabs like a keyboard's.
#include "KeyBindings/HotKey.h"
#include "KeyBindings/KeyBindings.h"
#include "app/HotkeyService.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "platform/x11/X11HotKeyGrabber.h"
#include "platform/x11/X11KeyboardLayout.h"
#include "platform/x11/X11SystemShortcuts.h"
#include "support/Async.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr xcb_keycode_t xKeycodeOfT = 28;
// The default capture shortcut, Super+Shift+T: Super is stored as the command
// bit and grabbed on whichever modifier the server gives Super (Mod4 here).
const Shortcut superShiftT{17, CarbonModifiers::command | CarbonModifiers::shift};
// Control-Shift-M: a second shortcut whose arrival proves that every key event
// sent before it has been handled. (Not with Alt, which closes an open menu.)
const Shortcut marker{Key::m.rawValue, CarbonModifiers::control | CarbonModifiers::shift};

bool xdotool(const QStringList& arguments) {
    return QProcess::execute(u"xdotool"_s, arguments) == 0;
}

// Counts the presses of T that reach the program, auto-repeats included.
class PressCounter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<xcb_key_press_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS && event->detail == xKeycodeOfT)
            ++presses;
        return false;
    }
    int presses = 0;
};

class X11HotKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), u"xcb"_s) << "run under an X server";
        grabber = X11HotKeyGrabber::create();
        ASSERT_TRUE(grabber);
        layout = X11KeyboardLayout::create();
        ASSERT_TRUE(layout);
        defaults = std::make_unique<UserDefaults>(dir.filePath(u"test.conf"_s));
        keyBindings = std::make_unique<KeyBindings>(*defaults, notifications, *grabber, *layout);
        // Installed after the grabber, so it sees the events first.
        qApp->installNativeEventFilter(&counter);
    }
    void TearDown() override {
        qApp->removeNativeEventFilter(&counter);
        keyBindings.reset();
        grabber.reset();
        xdotool({u"keyup"_s, u"super+ctrl+shift+alt+t"_s});
    }

    void listen() {
        service = std::make_unique<HotkeyService>(*keyBindings);
        service->registerHandlers([this](CaptureMode mode) { captures.append(mode); });
        const auto name = keyBindings->createName(u"marker"_s, marker);
        keyBindings->addKeyUpHandler(name, [this] { ++markers; });
    }
    // Sends the marker and waits for it.
    bool settle() {
        const int expected = markers + 1;
        xdotool({u"key"_s, u"ctrl+shift+m"_s});
        return TestAsync::waitUntil([&] { return markers == expected; });
    }
    bool waitForPresses(int n) {
        return TestAsync::waitUntil([&] { return counter.presses >= n; });
    }

    QTemporaryDir dir;
    NotificationCenter notifications;
    std::unique_ptr<X11HotKeyGrabber> grabber;
    std::unique_ptr<X11KeyboardLayout> layout;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<KeyBindings> keyBindings;
    std::unique_ptr<HotkeyService> service;
    PressCounter counter;
    QList<CaptureMode> captures;
    int markers = 0;
};

TEST_F(X11HotKeys, ReleaseStartsOneCaptureWhateverOrderTheKeysComeUpIn) {
    EXPECT_TRUE(grabber->hasDetectableAutoRepeat());
    listen();
    ASSERT_TRUE(keyBindings->isRegistered(superShiftT));

    const QList<QStringList> orders{
        // xdotool's own order: T first, then the modifiers.
        {u"key super+shift+t"_s},
        // Super and Shift up before T.
        {u"keydown super+shift+t"_s, u"keyup super+shift+t"_s},
        {u"keydown super+shift+t"_s, u"keyup shift"_s, u"keyup t"_s, u"keyup super"_s},
        {u"keydown super+shift+t"_s, u"keyup t"_s, u"keyup super+shift"_s},
    };
    for (const QStringList& order : orders) {
        captures.clear();
        const int pressesBefore = counter.presses;
        for (qsizetype i = 0; i < order.size(); ++i) {
            ASSERT_TRUE(xdotool(order[i].split(u' ')));
            if (i == 0 && order.size() > 1) {
                ASSERT_TRUE(waitForPresses(pressesBefore + 1));
                EXPECT_TRUE(captures.isEmpty()) << "the press starts nothing";
            }
        }
        ASSERT_TRUE(settle());
        EXPECT_EQ(captures, QList<CaptureMode>{CaptureMode::text})
            << order.join(u", "_s).toStdString();
    }
}

TEST_F(X11HotKeys, AHeldShortcutStartsOneCaptureOnRelease) {
    listen();
    ASSERT_TRUE(xdotool({u"keydown"_s, u"super+shift+t"_s}));
    QTest::qWait(1000); // let the server's auto-repeat run
    ASSERT_TRUE(xdotool({u"keyup"_s, u"super+shift+t"_s}));
    ASSERT_TRUE(settle());
    std::printf("held for 1 s: %d presses of T reached the program\n", counter.presses);
    EXPECT_GT(counter.presses, 1) << "the server sent no auto-repeat: the test proves nothing";
    EXPECT_EQ(captures, QList<CaptureMode>{CaptureMode::text});
}

TEST_F(X11HotKeys, ACombinationAnotherClientHoldsIsRefusedSilently) {
    // Another program on the same display takes Super+Shift+T first.
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    xcb_generic_error_t* error = xcb_request_check(
        other, xcb_grab_key_checked(other, 1, root, XCB_MOD_MASK_4 | XCB_MOD_MASK_SHIFT,
                                    xKeycodeOfT, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    ASSERT_EQ(error, nullptr);

    X11SystemShortcuts system;
    EXPECT_TRUE(system.isTaken(superShiftT));
    EXPECT_FALSE(system.isTaken(Shortcut{17, CarbonModifiers::control | CarbonModifiers::option}));

    listen();
    EXPECT_FALSE(keyBindings->isRegistered(superShiftT));
    EXPECT_TRUE(keyBindings->isRegistered(marker)) << "the other shortcut is unaffected";
    ASSERT_TRUE(xdotool({u"key"_s, u"super+shift+t"_s}));
    ASSERT_TRUE(settle());
    EXPECT_TRUE(captures.isEmpty());

    xcb_disconnect(other);
    EXPECT_FALSE(system.isTaken(superShiftT));
}

// With Caps Lock or Num Lock on, the key events carry the lock's modifier bit.
TEST_F(X11HotKeys, LocksDoNotStopTheShortcut) {
    listen();
    for (const QString& lock : {u"Caps_Lock"_s, u"Num_Lock"_s}) {
        captures.clear();
        ASSERT_TRUE(xdotool({u"key"_s, lock}));
        ASSERT_TRUE(xdotool({u"key"_s, u"super+shift+t"_s}));
        ASSERT_TRUE(settle());
        ASSERT_TRUE(xdotool({u"key"_s, lock}));
        EXPECT_EQ(captures, QList<CaptureMode>{CaptureMode::text}) << lock.toStdString();
    }
}

TEST_F(X11HotKeys, LayoutCharacterFollowsTheServersKeymap) {
    EXPECT_EQ(layout->character(Key::t.rawValue), u"t"_s);
    EXPECT_EQ(layout->character(0x2C), u"/"_s);
    EXPECT_EQ(layout->character(Key::returnKey.rawValue), std::nullopt);

    ASSERT_EQ(QProcess::execute(u"setxkbmap"_s, {u"de"_s}), 0);
    EXPECT_EQ(layout->character(Key::z.rawValue), u"y"_s) << "German keyboards swap Y and Z";
    EXPECT_EQ(layout->character(0x18), u"´"_s) << "a dead key shows its accent";
    ASSERT_EQ(QProcess::execute(u"setxkbmap"_s, {u"us"_s}), 0);
    EXPECT_EQ(layout->character(Key::z.rawValue), u"z"_s);
}

} // namespace
