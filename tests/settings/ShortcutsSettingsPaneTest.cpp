#include "SettingsTestSupport.h"

#include "KeyBindings/Recorder.h"
#include "KeyBindings/Utilities.h"
#include "platform/NullHotKeyGrabber.h"
#include "settings/SettingsSection.h"
#include "settings/ShortcutsSettingsPane.h"

#include <QLabel>

namespace {

using ShortcutsSettingsPaneTest = SettingsFixture;

// What the pane and the menu promise follows what the desktop does with
// global shortcuts. Where no program may have any (Wayland without a shortcuts
// portal) no recorder is offered, the commands to bind are named and the menu
// shows no shortcut. Where the desktop binds them (the portal) each is listed
// under its title, and the pane and the menu show the trigger it bound.
TEST_F(ShortcutsSettingsPaneTest, ItSaysWhatTheDesktopDoesWithTheShortcuts) {
    NullHotKeyGrabber none;
    FakeHotKeyGrabber desktop;
    desktop.desktopBinds = true;
    for (HotKeyGrabber* grabber : std::initializer_list<HotKeyGrabber*>{&none, &desktop}) {
        KeyBindings bindings{defaults, notifications, *grabber, keyboardLayout};
        HotkeyService paneHotkeys{bindings};
        paneHotkeys.registerHandlers([](CaptureMode) {});
        ShortcutsSettingsPane pane(RecorderEnvironment{bindings, systemShortcuts, {}, [] {}});
        const QLabel* footer = pane.findChild<SettingsSection*>()->footer();
        const auto menu = [&] {
            return KeyBindingsUtilities::menuKeySequence(bindings, HotkeyService::captureText());
        };
        EXPECT_EQ(pane.findChildren<Recorder*>().front()->isEnabled(), grabber == &desktop);
        EXPECT_TRUE(menu().isEmpty());
        if (grabber == &none) {
            EXPECT_TRUE(
                footer->text().contains(u"inkharbor --capture-text\ninkharbor --capture-barcode"));
            continue;
        }
        EXPECT_TRUE(footer->text().contains(u"Capture text: not bound by the desktop yet."));
        const auto superShiftT = *bindings.readShortcut(HotkeyService::captureText());
        EXPECT_EQ(desktop.describe(superShiftT), u"Capture Text");
        desktop.bind(superShiftT, u"Meta+Alt+O"_qs); // the user chose another in its dialog
        EXPECT_TRUE(footer->text().contains(u"Capture text: the desktop runs it with Meta+Alt+O."));
        EXPECT_EQ(menu(), QKeySequence(u"Meta+Alt+O"_qs));
    }
}

} // namespace
