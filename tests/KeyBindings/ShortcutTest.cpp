#include "KeyBindings/Shortcut.h"
#include "KeyBindings/KeyCodeTable.h"
#include "KeyBindings/SpecialKey.h"
#include "KeyBindings/Utilities.h"
#include "platform/UsKeyboardLayout.h"
#include "support/KeyBindingsFakes.h"

#include <QKeySequence>

#include <limits>

#include <gtest/gtest.h>

#include <set>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 controlShift = CarbonModifiers::control | CarbonModifiers::shift;

TEST(Shortcut, ModifiersAreNormalisedToTheFiveShortcutModifiers) {
    const Shortcut s(Key::t, ModifierFlags::control | ModifierFlags::shift |
                                 ModifierFlags::capsLock | ModifierFlags::numericPad |
                                 ModifierFlags::help | 0x1);
    EXPECT_EQ(s, Shortcut(17, controlShift));
    EXPECT_EQ(Shortcut(Key::a, ModifierFlags::function).carbonModifiers, CarbonModifiers::function);
    EXPECT_EQ(toFlags(toCarbon(ModifierFlags::command | ModifierFlags::option)),
              ModifierFlags::command | ModifierFlags::option);
    // The function flag is ignored only on keys that imply it.
    EXPECT_EQ(Shortcut(126, CarbonModifiers::function | CarbonModifiers::shift).matchKey(),
              Shortcut(126, CarbonModifiers::shift));
    EXPECT_EQ(Shortcut(17, CarbonModifiers::function).matchKey(),
              Shortcut(17, CarbonModifiers::function));
}

TEST(Shortcut, JsonIsCompactInFixedOrderReadsEitherOrderAndNothingElse) {
    EXPECT_EQ(Shortcut(17, 4608).toJson(),
              QStringLiteral(R"({"carbonKeyCode":17,"carbonModifiers":4608})"));
    EXPECT_EQ(Shortcut::fromJson(QStringLiteral(R"({"carbonModifiers":4608,"carbonKeyCode":17})")),
              Shortcut(17, 4608));
    EXPECT_EQ(Shortcut::fromJson(QStringLiteral(R"( { "carbonKeyCode" : 96 ,
        "carbonModifiers" : 0, "extra": "kept out" } )")),
              Shortcut(96, 0));
    // Decoded values are kept as stored, not normalised.
    EXPECT_EQ(Shortcut::fromJson(QStringLiteral(R"({"carbonKeyCode":17,"carbonModifiers":7})")),
              Shortcut(17, 7));
    // Unreadable JSON gives nothing.
    for (const char* json :
         {"", "false", "17", "[17,4608]", "{", R"({"carbonKeyCode":17})",
          R"({"carbonKeyCode":"17","carbonModifiers":4608})",
          R"({"carbonKeyCode":17.5,"carbonModifiers":4608})",
          R"({"carbonKeyCode":1e300,"carbonModifiers":0})",
          R"({"carbonKeyCode":null,"carbonModifiers":0})", "{\"carbonKeyCode\":17,\xff}"})
        EXPECT_EQ(Shortcut::fromJson(QString::fromUtf8(json)), std::nullopt) << json;
}

// The recorder, the onboarding and the tray menu show one shortcut alike: the
// description is what Qt writes for the key sequence a menu item carries
// ("Super+Shift+T"), and the function flag, which menus do not show.
TEST(Shortcut, DescriptionMatchesTheMenusKeySequenceText) {
    const UsKeyboardLayout us;
    EXPECT_EQ(Shortcut(96, CarbonModifiers::function).description(us), u"Fn+F5"_s);
    const qint64 modifiers[] = {0, CarbonModifiers::command | CarbonModifiers::shift,
                                CarbonModifiers::control | CarbonModifiers::option |
                                    CarbonModifiers::shift | CarbonModifiers::command};
    for (const KeyCodeTable::Entry* e = KeyCodeTable::begin(); e != KeyCodeTable::end(); ++e) {
        for (const qint64 carbon : modifiers) {
            const Shortcut shortcut(e->carbonKeyCode, carbon);
            const auto special = specialKey(e->carbonKeyCode);
            std::optional<QKeyCombination> combination;
            if (special && isKeypadKey(*special))
                combination =
                    QKeyCombination(KeyBindingsUtilities::qtModifiers(shortcut.modifierFlags()) |
                                        Qt::KeypadModifier,
                                    Qt::Key(e->qtKey));
            else
                combination = KeyBindingsUtilities::menuKeyCombination(shortcut, us);
            if (!combination)
                continue;
            EXPECT_EQ(shortcut.description(us),
                      QKeySequence(*combination).toString(QKeySequence::NativeText))
                << e->carbonKeyCode << " " << carbon;
        }
    }
}

TEST(SpecialKey, EverySpecialKeyIsOnTheKeyTable) {
    for (int i = 0; i < specialKeyCount; ++i) {
        const auto key = static_cast<SpecialKey>(i);
        EXPECT_EQ(specialKey(keyCode(key)), key);
        EXPECT_TRUE(KeyCodeTable::evdevCode(keyCode(key))) << keyCode(key);
    }
    EXPECT_EQ(specialKey(Key::t.rawValue), std::nullopt);
    EXPECT_EQ(menuKey(SpecialKey::keypad5), std::nullopt);
}

TEST(KeyCodeTable, MapsBothWaysWithoutDuplicates) {
    std::set<qint64> carbon;
    std::set<int> evdev;
    for (auto* e = KeyCodeTable::begin(); e != KeyCodeTable::end(); ++e) {
        EXPECT_TRUE(carbon.insert(e->carbonKeyCode).second) << e->carbonKeyCode;
        EXPECT_TRUE(evdev.insert(e->evdevCode).second) << e->evdevCode;
        EXPECT_EQ(KeyCodeTable::carbonKeyCode(e->evdevCode), e->carbonKeyCode);
        EXPECT_EQ(KeyCodeTable::evdevCode(e->carbonKeyCode), e->evdevCode);
        EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(*KeyCodeTable::xKeycode(e->carbonKeyCode)),
                  e->carbonKeyCode);
    }
    // Every letter and digit of a US keyboard is there.
    std::set<QChar> printed;
    for (auto* e = KeyCodeTable::begin(); e != KeyCodeTable::end(); ++e)
        if (!e->keypad && e->usCharacter)
            printed.insert(QChar(e->usCharacter));
    for (char c : std::string_view("abcdefghijklmnopqrstuvwxyz0123456789-=[];'`\\,./"))
        EXPECT_TRUE(printed.contains(QChar::fromLatin1(c))) << c;
}

TEST(KeyCodeTable, KnowsThePositionsTheProgramReliesOn) {
    EXPECT_EQ(KeyCodeTable::xKeycode(Key::t.rawValue), 28); // what `xmodmap` shows for t
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForQtKey(Qt::Key_5, true), 87);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForQtKey(Qt::Key_5, false), 0x17);
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForQtKey(Qt::Key_F21, false), std::nullopt);
    // Below the first X key code is no key, whatever its size (the offset overflowed).
    for (const int x : {std::numeric_limits<int>::min(), -1, 7, std::numeric_limits<int>::max()})
        EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(x), std::nullopt) << x;
    EXPECT_EQ(KeyCodeTable::carbonKeyCodeForXKeycode(9), 53); // Escape, the lowest real key
}

TEST(ShortcutText, CapitalisesALayoutCharacterOutsideTheBasicPlane) {
    FakeKeyboardLayout layout;
    layout.characters[0] = QStringLiteral("\U00010428"); // Deseret small long i
    layout.characters[1] = QStringLiteral("\u00DF");
    EXPECT_EQ(Shortcut(0, CarbonModifiers::command).description(layout),
              QStringLiteral("Super+\U00010400"));
    EXPECT_EQ(Shortcut(1, 0).description(layout), QStringLiteral("SS"));
}

} // namespace
