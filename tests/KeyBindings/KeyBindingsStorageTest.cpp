#include "KeyBindings/KeyBindings.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const Shortcut controlShiftT{17, 4608};
const Shortcut commandB{Key::b.rawValue, CarbonModifiers::command};

class KeyBindingsStorage : public ::testing::Test {
protected:
    KeyBindingsStorage() {
        notifications.addObserver(KeyBindings::shortcutByNameDidChangeNotification(), &context,
                                  [this](const Notification& n) {
                                      announced.append(n.userInfo.value(u"name"_s).toString());
                                  });
        open();
    }

    // Opening anew reads the file as the next launch would.
    void open() {
        keyBindings.reset();
        defaults = std::make_unique<UserDefaults>(dir.filePath(u"test.conf"_s));
        keyBindings = std::make_unique<KeyBindings>(*defaults, notifications, grabber, layout);
    }
    KeyBindings::Name captureText() {
        return keyBindings->createName(u"captureText"_s, controlShiftT);
    }
    KeyBindings::Name captureBarcode() { return keyBindings->createName(u"captureBarcode"_s); }
    QVariant stored(const QString& name) const {
        return defaults->storedObject(u"KeyBindings_" + name);
    }

    QTemporaryDir dir;
    NotificationCenter notifications;
    FakeHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    QObject context;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<KeyBindings> keyBindings;
    QStringList announced;
};

TEST_F(KeyBindingsStorage, DefaultGoesOnlyIntoAnEmptySlot) {
    const auto name = captureText();
    const auto barcode = captureBarcode();
    EXPECT_FALSE(stored(u"captureBarcode"_s).isValid());
    EXPECT_EQ(keyBindings->readShortcut(name), controlShiftT);
    EXPECT_EQ(keyBindings->readShortcut(barcode), std::nullopt);
    EXPECT_TRUE(announced.isEmpty());

    // Whatever the slot holds, even something unreadable, stays.
    for (const QVariant& value :
         {QVariant(false), QVariant(u"garbage"_s), QVariant(commandB.toJson())}) {
        defaults->setValue(u"KeyBindings_captureText"_s, value);
        open();
        captureText();
        EXPECT_EQ(stored(u"captureText"_s).toString(), value.toString());
    }
    EXPECT_EQ(keyBindings->readShortcut(captureText()), commandB);
}

TEST_F(KeyBindingsStorage, StoredFormsSurviveTheSettingsFile) {
    // The JSON's quotes and comma and the Boolean must come back from the INI file as written.
    auto text = captureText();
    auto barcode = captureBarcode();
    keyBindings->writeShortcut(barcode, commandB);
    keyBindings->writeShortcut(text, std::nullopt);
    open();
    text = captureText();
    EXPECT_EQ(keyBindings->readShortcut(barcode), commandB);
    EXPECT_EQ(keyBindings->readShortcut(text), std::nullopt)
        << "false must not bring back the default";

    // A hand-edited value that is not a shortcut reads as none and is left in place.
    defaults->setValue(u"KeyBindings_captureBarcode"_s, u"{\"carbonKeyCode\":"_s);
    open();
    EXPECT_EQ(keyBindings->readShortcut(captureBarcode()), std::nullopt);
    EXPECT_EQ(stored(u"captureBarcode"_s).toString(), u"{\"carbonKeyCode\":"_s);
}

// Clearing announces only a real change; writing a shortcut always does.
TEST_F(KeyBindingsStorage, WhatIsAnnounced) {
    const auto text = captureText();
    const auto barcode = captureBarcode();
    keyBindings->writeShortcut(text, std::nullopt);
    keyBindings->writeShortcut(text, std::nullopt);    // already false
    keyBindings->writeShortcut(barcode, std::nullopt); // nothing stored
    EXPECT_EQ(announced, QStringList{u"captureText"_s});
    EXPECT_EQ(keyBindings->readShortcut(text), std::nullopt);

    keyBindings->writeShortcut(barcode, commandB);
    keyBindings->writeShortcut(barcode, commandB);
    keyBindings->writeShortcut(barcode, std::nullopt);
    EXPECT_FALSE(defaults->hasStoredValue(u"KeyBindings_captureBarcode"_s))
        << "a name without a default is removed, not stored as false";
    EXPECT_EQ(announced.size(), 4);
}

} // namespace
