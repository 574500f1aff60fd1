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

namespace {

class MenuBarContentTest : public ::testing::Test {
protected:
    MenuBarContentTest() {
        qputenv("XCTestConfigurationFilePath", "inkharbor-tests");
        coordinator.settings().registerDefaults();
        coordinator.start();
    }
    ~MenuBarContentTest() override { qunsetenv("XCTestConfigurationFilePath"); }

    QAction* item(const QString& title) { return menu.action(title); }

    FakePlatform fake;
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{fake.platform, keyBindings};
    QStringList opened;
    MenuBarContent menu{coordinator, keyBindings,
                        MenuBarContent::Actions{[this] { opened << QStringLiteral("history"); },
                                                [this] { opened << QStringLiteral("settings"); },
                                                [this] { opened << QStringLiteral("onboarding"); },
                                                [this] { opened << QStringLiteral("quit"); }}};
};

TEST_F(MenuBarContentTest, CaptureItemsFollowTheShortcutsAndHideThemWhileRecording) {
    EXPECT_EQ(item(QStringLiteral("Capture Text"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    EXPECT_TRUE(item(QStringLiteral("Read QR / Barcode"))->shortcut().isEmpty());
    keyBindings.writeShortcut(HotkeyService::captureBarcode(), Shortcut(11, 4608)); // ⌃⇧B
    EXPECT_EQ(item(QStringLiteral("Read QR / Barcode"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    QObject recorder;
    keyBindings.recorderDidStart(&recorder);
    EXPECT_TRUE(item(QStringLiteral("Capture Text"))->shortcut().isEmpty());
    EXPECT_TRUE(item(QStringLiteral("Read QR / Barcode"))->shortcut().isEmpty());
    keyBindings.recorderDidEnd(&recorder);
    EXPECT_FALSE(item(QStringLiteral("Capture Text"))->shortcut().isEmpty());
    keyBindings.writeShortcut(HotkeyService::captureText(), std::nullopt);
    EXPECT_TRUE(item(QStringLiteral("Capture Text"))->shortcut().isEmpty());
}

TEST_F(MenuBarContentTest, ItemsDoWhatTheySay) {
    item(QStringLiteral("Capture Text"))->trigger();
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !coordinator.overlay().windows().empty(); }));
    // A second capture while one runs is logged as busy and ignored.
    item(QStringLiteral("Read QR / Barcode"))->trigger();
    EXPECT_TRUE(TestAsync::waitUntil([&] {
        return fake.log.lines(QStringLiteral("capture"))
            .contains(QStringLiteral("Capture requested (busy: true)"));
    }));
    coordinator.overlay().finish(std::nullopt);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !coordinator.isCapturing(); }));

    for (const char* title :
         {"Show History\u2026", "Settings\u2026", "Help / Onboarding", "Quit Inkharbor"})
        item(QString::fromUtf8(title))->trigger();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("history"), QStringLiteral("settings"),
                                   QStringLiteral("onboarding"), QStringLiteral("quit")}));
}

} // namespace
