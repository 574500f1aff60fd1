#include "app/HotkeyService.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Service {
    explicit Service(const QString& stored = {}) {
        if (!stored.isEmpty())
            defaults.setValue(u"KeyBindings_captureText"_s, stored);
    }
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(u"test.conf"_s)};
    NotificationCenter notifications;
    FakeHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings keyBindings{defaults, notifications, grabber, layout};
    HotkeyService service{keyBindings};
};

TEST(HotkeyService, EachShortcutStartsItsCaptureOnRelease) {
    Service s;
    // Super+Shift+T, Super stored as the command bit.
    EXPECT_EQ(s.defaults.storedObject(u"KeyBindings_captureText"_s).toString(),
              uR"({"carbonKeyCode":17,"carbonModifiers":768})"_s);
    EXPECT_FALSE(s.defaults.hasStoredValue(u"KeyBindings_captureBarcode"_s));

    QList<CaptureMode> captures;
    s.service.registerHandlers([&](CaptureMode mode) { captures.append(mode); });
    const Shortcut superShiftT{17, CarbonModifiers::command | CarbonModifiers::shift};
    const Shortcut controlShiftB{Key::b.rawValue, 4608};
    s.keyBindings.writeShortcut(HotkeyService::captureBarcode(), controlShiftB);
    for (const Shortcut& shortcut : {superShiftT, controlShiftB}) {
        const qsizetype before = captures.size();
        ASSERT_TRUE(s.grabber.send(shortcut, HotKeyGrabber::Event::pressed));
        EXPECT_EQ(captures.size(), before) << "nothing starts on the press";
        s.grabber.send(shortcut, HotKeyGrabber::Event::released);
    }
    EXPECT_EQ(captures, (QList<CaptureMode>{CaptureMode::text, CaptureMode::barcode}));
}

TEST(HotkeyService, AShortcutAlreadyStoredStaysEvenTheOldDefault) {
    const QString oldDefault = uR"({"carbonKeyCode":17,"carbonModifiers":4608})"_s;
    Service s(oldDefault);
    EXPECT_EQ(s.defaults.storedObject(u"KeyBindings_captureText"_s).toString(), oldDefault);
    EXPECT_EQ(s.keyBindings.description(*s.keyBindings.readShortcut(HotkeyService::captureText())),
              u"Ctrl+Shift+T"_s);
}

} // namespace
