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
    // Super+Shift+T, Super stored as the command bit.
    EXPECT_EQ(defaults.storedObject(u"KeyBindings_captureText"_s).toString(),
              uR"({"carbonKeyCode":17,"carbonModifiers":768})"_s);
    EXPECT_FALSE(defaults.hasStoredValue(u"KeyBindings_captureBarcode"_s));

    QList<CaptureMode> captures;
    service.registerHandlers([&](CaptureMode mode) { captures.append(mode); });
    const Shortcut superShiftT{17, CarbonModifiers::command | CarbonModifiers::shift};
    const Shortcut controlShiftB{Key::b.rawValue, 4608};
    keyBindings.writeShortcut(HotkeyService::captureBarcode(), controlShiftB);

    for (const Shortcut& shortcut : {superShiftT, controlShiftB}) {
        const qsizetype before = captures.size();
        ASSERT_TRUE(grabber.send(shortcut, HotKeyGrabber::Event::pressed));
        EXPECT_EQ(captures.size(), before) << "nothing starts on the press";
        grabber.send(shortcut, HotKeyGrabber::Event::released);
    }
    EXPECT_EQ(captures, (QList<CaptureMode>{CaptureMode::text, CaptureMode::barcode}));
    EXPECT_EQ(keyBindings.description(superShiftT), u"Super+Shift+T"_s);
}

TEST(HotkeyService, AShortcutAlreadyStoredStaysEvenTheOldDefault) {
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(u"test.conf"_s));
    const QString oldDefault = uR"({"carbonKeyCode":17,"carbonModifiers":4608})"_s;
    defaults.setValue(u"KeyBindings_captureText"_s, oldDefault);
    NotificationCenter notifications;
    FakeHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings keyBindings(defaults, notifications, grabber, layout);
    HotkeyService service(keyBindings);
    EXPECT_EQ(defaults.storedObject(u"KeyBindings_captureText"_s).toString(), oldDefault);
    EXPECT_EQ(keyBindings.description(*keyBindings.readShortcut(HotkeyService::captureText())),
              u"Ctrl+Shift+T"_s);
}
