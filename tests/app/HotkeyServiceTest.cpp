#include "app/HotkeyService.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HotkeyService, EachShortcutStartsItsCaptureOnRelease) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(u"test.conf"_s));
    NotificationCenter notifications;
    FakeHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings keyBindings(defaults, notifications, grabber, layout);
    HotkeyService service(keyBindings);
    EXPECT_EQ(defaults.storedObject(u"KeyBindings_captureText"_s).toString(),
              uR"({"carbonKeyCode":17,"carbonModifiers":4608})"_s);
    EXPECT_FALSE(defaults.hasStoredValue(u"KeyBindings_captureBarcode"_s));

    QList<CaptureMode> captures;
    service.registerHandlers([&](CaptureMode mode) { captures.append(mode); });
    const Shortcut controlShiftT{17, 4608};
    const Shortcut controlShiftB{Key::b.rawValue, 4608};
    keyBindings.writeShortcut(HotkeyService::captureBarcode(), controlShiftB);

    ASSERT_TRUE(grabber.send(controlShiftT, HotKeyGrabber::Event::pressed));
    EXPECT_TRUE(captures.isEmpty());
    grabber.send(controlShiftT, HotKeyGrabber::Event::released);
    grabber.click(controlShiftB);
    EXPECT_EQ(captures, (QList<CaptureMode>{CaptureMode::text, CaptureMode::barcode}));
    EXPECT_EQ(keyBindings.description(controlShiftT), u"⌃⇧T"_s);
}
