#include "SettingsTestSupport.h"

#include "KeyBindings/Recorder.h"
#include "KeyBindings/Utilities.h"
#include "settings/SettingsSection.h"
#include "settings/ShortcutsSettingsPane.h"

#include <QLabel>

namespace {

using ShortcutsSettingsPaneTest = SettingsFixture;

// Where the desktop lets no program grab keys (Wayland), no stored shortcut
// acts: the pane offers no recorder, tells which commands to bind in the
// desktop's settings, and the menu shows no shortcut beside its items.
TEST_F(ShortcutsSettingsPaneTest, WithoutGrabsItSaysWhatToBindAndShowsNoShortcut) {
    ShortcutsSettingsPane pane(environment().recorder);
    const auto recorders = pane.findChildren<Recorder*>();
    ASSERT_EQ(recorders.size(), 2);
    EXPECT_FALSE(recorders[0]->isEnabled() || recorders[1]->isEnabled());
    const QLabel* footer = pane.findChild<SettingsSection*>()->footer();
    EXPECT_TRUE(footer->text().contains(u"inkharbor --capture-text\ninkharbor --capture-barcode"));
    EXPECT_TRUE(
        KeyBindingsUtilities::menuKeySequence(keyBindings, HotkeyService::captureText()).isEmpty());

    FakeHotKeyGrabber grabbing;
    KeyBindings grabbingBindings{defaults, notifications, grabbing, layout};
    HotkeyService grabbingHotkeys{grabbingBindings};
    ShortcutsSettingsPane usual(RecorderEnvironment{grabbingBindings, systemShortcuts, {}, [] {}});
    EXPECT_TRUE(usual.findChildren<Recorder*>().front()->isEnabled());
    EXPECT_TRUE(usual.findChild<SettingsSection*>()->footer()->text().isEmpty());
    EXPECT_EQ(KeyBindingsUtilities::menuKeySequence(grabbingBindings, HotkeyService::captureText()),
              QKeySequence(u"Meta+Shift+T"_qs));
}

} // namespace
