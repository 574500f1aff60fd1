#include "SettingsTestSupport.h"

#include "KeyBindings/Recorder.h"
#include "KeyBindings/Utilities.h"
#include "platform/NullHotKeyGrabber.h"
#include "settings/SettingsSection.h"
#include "settings/ShortcutsSettingsPane.h"

#include <QLabel>

namespace {

using ShortcutsSettingsPaneTest = SettingsFixture;

// Where the desktop lets no program grab keys (Wayland), no stored shortcut
// acts: the pane offers no recorder, tells which commands to bind in the
// desktop's settings, and the menu shows no shortcut beside its items.
TEST_F(ShortcutsSettingsPaneTest, WithoutGrabsItSaysWhatToBindAndShowsNoShortcut) {
    NullHotKeyGrabber none;
    KeyBindings unbound{defaults, notifications, none, keyboardLayout};
    HotkeyService unboundHotkeys{unbound};
    ShortcutsSettingsPane pane(RecorderEnvironment{unbound, systemShortcuts, {}, [] {}});
    const auto recorders = pane.findChildren<Recorder*>();
    ASSERT_EQ(recorders.size(), 2);
    EXPECT_FALSE(recorders[0]->isEnabled() || recorders[1]->isEnabled());
    const QLabel* footer = pane.findChild<SettingsSection*>()->footer();
    EXPECT_TRUE(footer->text().contains(u"inkharbor --capture-text\ninkharbor --capture-barcode"));
    EXPECT_TRUE(
        KeyBindingsUtilities::menuKeySequence(unbound, HotkeyService::captureText()).isEmpty());

    ShortcutsSettingsPane usual(environment().recorder);
    EXPECT_TRUE(usual.findChildren<Recorder*>().front()->isEnabled());
    EXPECT_TRUE(usual.findChild<SettingsSection*>()->footer()->text().isEmpty());
    EXPECT_EQ(KeyBindingsUtilities::menuKeySequence(keyBindings, HotkeyService::captureText()),
              QKeySequence(u"Meta+Shift+T"_qs));
}

// Where the desktop binds the shortcuts, the recorders ask it for them: the
// desktop lists each under its title, and the pane and the menu show the
// trigger it bound once it answers.
TEST_F(ShortcutsSettingsPaneTest, WhereTheDesktopBindsItShowsItsTriggers) {
    FakeHotKeyGrabber desktop;
    desktop.desktopBinds = true;
    KeyBindings bound{defaults, notifications, desktop, keyboardLayout};
    HotkeyService boundHotkeys{bound};
    boundHotkeys.registerHandlers([](CaptureMode) {});
    ShortcutsSettingsPane pane(RecorderEnvironment{bound, systemShortcuts, {}, [] {}});
    const QLabel* footer = pane.findChild<SettingsSection*>()->footer();
    EXPECT_TRUE(pane.findChildren<Recorder*>().front()->isEnabled());
    EXPECT_TRUE(footer->text().contains(u"Capture text: not bound by the desktop yet."));
    const auto superShiftT = *bound.readShortcut(HotkeyService::captureText());
    ASSERT_TRUE(desktop.isGrabbed(superShiftT));
    EXPECT_EQ(desktop.describe(superShiftT), u"Capture Text");
    EXPECT_TRUE(
        KeyBindingsUtilities::menuKeySequence(bound, HotkeyService::captureText()).isEmpty());

    desktop.bind(superShiftT, u"Meta+Alt+O"_qs); // the user chose another in its dialog
    EXPECT_TRUE(footer->text().contains(u"Capture text: the desktop runs it with Meta+Alt+O."));
    EXPECT_EQ(KeyBindingsUtilities::menuKeySequence(bound, HotkeyService::captureText()),
              QKeySequence(u"Meta+Alt+O"_qs));
}

} // namespace
