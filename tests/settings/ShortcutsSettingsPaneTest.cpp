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

} // namespace
