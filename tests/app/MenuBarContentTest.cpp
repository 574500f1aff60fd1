#include "app/MenuBarContent.h"
#include "KeyBindings/KeyBindings.h"
#include "app/AppCoordinator.h"
#include "app/HotkeyService.h"
#include "settings/AppSettings.h"

#include "support/Async.h"
#include "support/FakePlatform.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MenuBarContentTest : public ::testing::Test {
protected:
    MenuBarContentTest() {
        qputenv("XCTestConfigurationFilePath", "inkharbor-tests");
        coordinator.settings().registerDefaults();
        coordinator.start();
    }
    ~MenuBarContentTest() override { qunsetenv("XCTestConfigurationFilePath"); }

    QAction* item(const QString& title) {
        for (QAction* a : menu.menu()->actions())
            if (a->text() == title)
                return a;
        return nullptr;
    }

    FakePlatform fake;
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{fake.platform, keyBindings};
    QStringList opened;
    MenuBarContent menu{coordinator, keyBindings,
                        MenuBarContent::Actions{[this] { opened << u"history"_s; },
                                                [this] { opened << u"settings"_s; },
                                                [this] { opened << u"onboarding"_s; },
                                                [this] { opened << u"quit"_s; }}};
};

TEST_F(MenuBarContentTest, CaptureItemsFollowTheShortcutsAndHideThemWhileRecording) {
    // Written as the desktop writes it, Super and all.
    EXPECT_EQ(item(u"Capture Text"_s)->shortcut().toString(QKeySequence::NativeText),
              u"Super+Shift+T"_s);
    EXPECT_TRUE(item(u"Read QR / Barcode"_s)->shortcut().isEmpty());
    keyBindings.writeShortcut(HotkeyService::captureBarcode(), Shortcut(11, 4608)); // Ctrl+Shift+B
    EXPECT_EQ(item(u"Read QR / Barcode"_s)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    QObject recorder;
    keyBindings.recorderDidStart(&recorder);
    EXPECT_TRUE(item(u"Capture Text"_s)->shortcut().isEmpty());
    EXPECT_TRUE(item(u"Read QR / Barcode"_s)->shortcut().isEmpty());
    keyBindings.recorderDidEnd(&recorder);
    EXPECT_FALSE(item(u"Capture Text"_s)->shortcut().isEmpty());
    keyBindings.writeShortcut(HotkeyService::captureText(), std::nullopt);
    EXPECT_TRUE(item(u"Capture Text"_s)->shortcut().isEmpty());
}

TEST_F(MenuBarContentTest, ItemsDoWhatTheySay) {
    item(u"Capture Text"_s)->trigger();
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !coordinator.overlay().windows().empty(); }));
    coordinator.overlay().finish(std::nullopt);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !coordinator.isCapturing(); }));

    // A tray menu never receives keys: it shows none but the global shortcuts.
    for (const char* title :
         {"Show History\u2026", "Settings\u2026", "Help / Onboarding", "Quit Inkharbor"}) {
        EXPECT_TRUE(item(QString::fromUtf8(title))->shortcut().isEmpty()) << title;
        item(QString::fromUtf8(title))->trigger();
    }
    EXPECT_EQ(opened, (QStringList{u"history"_s, u"settings"_s, u"onboarding"_s, u"quit"_s}));
}

} // namespace
