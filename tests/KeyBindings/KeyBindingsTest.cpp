// Shortcuts by name: their grabs through a fake desktop, and their storage in the settings.
#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/HotKey.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;
using Event = HotKeyGrabber::Event;
using Mode = HotKeyCenter::Mode;

namespace {

const Shortcut controlShiftT{17, 4608};
const Shortcut commandB{Key::b.rawValue, CarbonModifiers::command};
const Shortcut f5{96, 0};

class HotKeys : public ::testing::Test {
protected:
    HotKeys()
        : defaults(dir.filePath(u"test.conf"_s))
        , keyBindings(defaults, notifications, grabber, layout)
        , text(keyBindings.createName(u"captureText"_s, controlShiftT))
        , barcode(keyBindings.createName(u"captureBarcode"_s)) {}

    void listen() {
        keyBindings.addKeyUpHandler(text, [this] { log.append(u"text"_s); });
        keyBindings.addKeyUpHandler(barcode, [this] { log.append(u"barcode"_s); });
    }

    QTemporaryDir dir;
    UserDefaults defaults;
    NotificationCenter notifications;
    FakeHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings keyBindings;
    KeyBindings::Name text;
    KeyBindings::Name barcode;
    QStringList log;
};

TEST_F(HotKeys, ANameIsGrabbedOnceItHasAHandlerAndFiresOnRelease) {
    EXPECT_TRUE(grabber.grabs.empty()) << "no handler yet";
    listen();
    EXPECT_TRUE(grabber.isGrabbed(controlShiftT));
    EXPECT_EQ(grabber.grabs.size(), 1u) << "captureBarcode has no shortcut";

    ASSERT_TRUE(grabber.send(controlShiftT, Event::pressed));
    EXPECT_TRUE(log.isEmpty()) << "pressing starts nothing";
    grabber.send(controlShiftT, Event::released);
    EXPECT_EQ(log, QStringList{u"text"_s});

    // Key-down handlers run on the press, in the order added.
    keyBindings.addKeyDownHandler(text, [this] { log.append(u"first"_s); });
    keyBindings.addKeyDownHandler(text, [this] { log.append(u"second"_s); });
    grabber.send(controlShiftT, Event::pressed);
    EXPECT_EQ(log, (QStringList{u"text"_s, u"first"_s, u"second"_s}));
}

// One grab per shortcut, kept until no name uses it.
TEST_F(HotKeys, RecordingAShortcutMovesTheGrab) {
    listen();
    keyBindings.writeShortcut(barcode, controlShiftT);
    EXPECT_EQ(grabber.grabs.size(), 1u);
    grabber.click(controlShiftT);
    EXPECT_EQ(log, (QStringList{u"text"_s, u"barcode"_s}));
    keyBindings.writeShortcut(barcode, commandB);
    EXPECT_TRUE(grabber.isGrabbed(controlShiftT)) << "captureText still uses it";
    keyBindings.writeShortcut(text, f5);
    EXPECT_FALSE(grabber.isGrabbed(controlShiftT));
    EXPECT_TRUE(grabber.click(f5));
    EXPECT_TRUE(grabber.click(commandB));
    EXPECT_EQ(log, (QStringList{u"text"_s, u"barcode"_s, u"text"_s, u"barcode"_s}));
    keyBindings.writeShortcut(barcode, std::nullopt);
    EXPECT_FALSE(grabber.isGrabbed(commandB));
}

TEST_F(HotKeys, PausedShortcutsAreReleasedAndComeBack) {
    listen();
    grabber.send(controlShiftT, Event::pressed);
    // A platform event still in flight when the pause starts runs nothing.
    const HotKeyGrabber::Handler handler = grabber.handler;
    const qint64 id = grabber.grabs.begin()->first;
    keyBindings.setPaused(true);
    handler(id, Event::released);
    EXPECT_EQ(keyBindings.hotKeyCenter().mode(), Mode::disabled);
    EXPECT_TRUE(grabber.grabs.empty()) << "the combination is free for the recorder";
    EXPECT_TRUE(keyBindings.isRegistered(controlShiftT));

    // Recording while paused: stored, but grabbed only once the pause ends.
    keyBindings.writeShortcut(barcode, commandB);
    EXPECT_TRUE(grabber.grabs.empty());
    keyBindings.setPaused(false);
    EXPECT_TRUE(grabber.isGrabbed(controlShiftT));
    EXPECT_TRUE(grabber.click(commandB));
    EXPECT_EQ(log, QStringList{u"barcode"_s});
}

// A shortcut another program holds is known as refused, each refusal is
// told, and it is tried again whenever shortcuts are registered.
TEST_F(HotKeys, ARefusedShortcutIsToldAndTriedAgain) {
    QStringList told;
    QObject context;
    notifications.addObserver(KeyBindings::shortcutRegistrationDidChangeNotification(), &context,
                              [&](const Notification& n) {
                                  told << n.userInfo.value(u"name"_s).toString() + u' ' +
                                              n.userInfo.value(u"isRefused"_s).toString();
                              });
    grabber.refused.insert(controlShiftT);
    listen();
    EXPECT_TRUE(keyBindings.isRefused(text));
    EXPECT_FALSE(keyBindings.isRefused(barcode));
    EXPECT_FALSE(grabber.click(controlShiftT));
    keyBindings.registerRefusedShortcuts(); // still held
    EXPECT_EQ(told, (QStringList{u"captureText true"_s, u"captureText true"_s}));

    // Writing another name tries it again.
    grabber.refused.clear();
    keyBindings.writeShortcut(barcode, commandB);
    EXPECT_FALSE(keyBindings.isRefused(text));
    EXPECT_TRUE(grabber.click(controlShiftT));
    EXPECT_EQ(log, QStringList{u"text"_s});
    EXPECT_EQ(told.last(), u"captureText false"_s);

    // Taken by another program during a pause: dropped, and tried again at
    // the next pause's end.
    keyBindings.setPaused(true);
    grabber.refused.insert(controlShiftT);
    keyBindings.setPaused(false);
    EXPECT_TRUE(keyBindings.isRefused(text));
    EXPECT_TRUE(keyBindings.isRegistered(commandB));
    keyBindings.setPaused(true);
    grabber.refused.clear();
    keyBindings.setPaused(false);
    EXPECT_TRUE(grabber.isGrabbed(controlShiftT));

    // A refused shortcut nobody wants any more is not tried again.
    grabber.refused.insert(f5);
    keyBindings.writeShortcut(text, f5);
    EXPECT_TRUE(keyBindings.isRefused(text));
    keyBindings.writeShortcut(text, controlShiftT);
    grabber.refused.clear();
    keyBindings.registerRefusedShortcuts();
    EXPECT_FALSE(grabber.isGrabbed(f5));
}

TEST_F(HotKeys, AnOpenMenuReleasesTheGrabsAndTheCenterMatchesKeyEvents) {
    listen();
    HotKeyCenter& center = keyBindings.hotKeyCenter();
    center.setMenuOpen(true);
    EXPECT_EQ(center.mode(), Mode::menuOpen);
    EXPECT_TRUE(grabber.grabs.empty());

    const Shortcut t{17, 0};
    EXPECT_FALSE(
        center.handleMenuKeyEvent(EventType::keyDown, Shortcut{Key::a.rawValue, 4608}, false));
    EXPECT_TRUE(center.handleMenuKeyEvent(EventType::keyDown, controlShiftT, false));
    EXPECT_FALSE(center.handleMenuKeyEvent(EventType::keyDown, controlShiftT, true))
        << "auto-repeat passes to the menu";
    EXPECT_FALSE(center.handleMenuKeyEvent(EventType::keyDown, controlShiftT, false))
        << "a second press of a held key is a repeat";
    EXPECT_TRUE(log.isEmpty());
    // Control and Shift came up first: the release carries no modifiers.
    EXPECT_TRUE(center.handleMenuKeyEvent(EventType::keyUp, t, false));
    EXPECT_EQ(log, QStringList{u"text"_s});
    EXPECT_FALSE(center.handleMenuKeyEvent(EventType::keyUp, t, false)) << "already released";

    // A function key matches with or without the function flag.
    keyBindings.writeShortcut(text, f5);
    EXPECT_TRUE(center.handleMenuKeyEvent(EventType::keyDown,
                                          Shortcut{96, CarbonModifiers::function}, false));
    EXPECT_TRUE(center.handleMenuKeyEvent(EventType::keyUp, f5, false));
    EXPECT_EQ(log, (QStringList{u"text"_s, u"text"_s}));

    center.setMenuOpen(false);
    EXPECT_TRUE(grabber.isGrabbed(f5));
    EXPECT_FALSE(center.handleMenuKeyEvent(EventType::keyDown, f5, false));
}

TEST_F(HotKeys, AnActionMayRewriteItsOwnShortcut) {
    keyBindings.addKeyUpHandler(text, [this] { keyBindings.writeShortcut(text, f5); });
    EXPECT_TRUE(grabber.click(controlShiftT));
    EXPECT_TRUE(grabber.isGrabbed(f5));
    EXPECT_FALSE(grabber.isGrabbed(controlShiftT));
}

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
