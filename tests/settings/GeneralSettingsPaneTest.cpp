#include "SettingsTestSupport.h"

#include "settings/GeneralSettingsPane.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"
#include "shell/LaunchAtLoginService.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Picks an entry the way a user does, with the keyboard: every step is a choice.
void pick(QComboBox* box, const QString& title) {
    ASSERT_GE(box->findText(title), 0) << title.toStdString();
    while (box->currentText() != title) {
        const QString before = box->currentText();
        const bool down = box->currentIndex() < box->findText(title);
        QTest::keyClick(box, down ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_NE(box->currentText(), before);
    }
}

class GeneralSettingsPaneTest : public SettingsFixture {};

TEST_F(GeneralSettingsPaneTest, TogglesShowTheStoreAndWriteEveryChangeAtOnce) {
    GeneralSettingsPane pane(defaults);
    SwitchButton* playSound = pane.playSoundRow()->button();
    EXPECT_TRUE(playSound->isChecked()); // the registered default
    playSound->click();
    EXPECT_EQ(onDisk(SettingsKey::playSound), QVariant(false));
    // A click on the row's title flips its switch too.
    QTest::mouseClick(pane.alwaysShowResultWindowRow()->titleLabel(), Qt::LeftButton);
    EXPECT_EQ(onDisk(SettingsKey::alwaysShowResultWindow), QVariant(true));
    // A change made elsewhere shows without being written back.
    defaults.setValue(SettingsKey::playSound, true);
    EXPECT_TRUE(playSound->isChecked());
}

TEST_F(GeneralSettingsPaneTest, KeepHistoryStoresTheNumberAndShowsAHandEditedOneUntilReplaced) {
    {
        GeneralSettingsPane pane(defaults);
        QComboBox* box = pane.historyLimitPicker();
        EXPECT_EQ(box->currentText(), u"Last 50 captures"_s);
        pick(box, u"Off"_s);
        EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 0);
    }
    defaults.setValue(SettingsKey::historyLimit, 20);
    {
        GeneralSettingsPane pane(defaults);
        QComboBox* box = pane.historyLimitPicker();
        EXPECT_EQ(box->currentText(), u"Last 20 captures"_s);
        EXPECT_EQ(box->itemText(box->currentIndex() + 1), u"Last 50 captures"_s);
        pane.playSoundRow()->button()->click(); // another setting changes
        EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 20);
        pick(box, u"Last 50 captures"_s);
        EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 50);
        EXPECT_EQ(box->count(), 6); // once replaced, the odd number is no longer offered
    }
    // Below 1 the history is off, so that is what shows; the number stays.
    defaults.setValue(SettingsKey::historyLimit, -3);
    EXPECT_EQ(GeneralSettingsPane(defaults).historyLimitPicker()->currentText(), u"Off"_s);
    EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), -3);
}

TEST_F(GeneralSettingsPaneTest, SearchEngineShowsGoogleForAnUnknownValueAndStoresRawValues) {
    defaults.setValue(SettingsKey::searchEngine, u"Yahoo"_s);
    GeneralSettingsPane pane(defaults);
    QComboBox* box = pane.searchEnginePicker();
    EXPECT_EQ(box->currentText(), u"Google"_s);
    EXPECT_EQ(onDisk(SettingsKey::searchEngine).toString(), u"Yahoo"_s);
    pick(box, u"DuckDuckGo"_s);
    EXPECT_EQ(onDisk(SettingsKey::searchEngine).toString(), u"duckDuckGo"_s);
}

TEST_F(GeneralSettingsPaneTest, LaunchAtLoginFollowsTheAutostartEntryAndAFailureKeepsTheChoice) {
    GeneralSettingsPane pane(defaults);
    pane.launchAtLoginRow()->button()->click();
    EXPECT_TRUE(LaunchAtLoginService::isEnabled());
    EXPECT_TRUE(GeneralSettingsPane(defaults).launchAtLoginRow()->button()->isChecked());
    pane.launchAtLoginRow()->button()->click();
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    // Not a setting: nothing went into the store.
    EXPECT_TRUE(defaults.storedObject(u"launchAtLogin"_s).isNull());

    // A file where the autostart folder belongs: the entry cannot be written.
    QDir(dir.filePath(u"config/autostart"_s)).removeRecursively();
    QFile blocker(dir.filePath(u"config/autostart"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    pane.launchAtLoginRow()->button()->click(); // what is reported is the service's own test
    EXPECT_TRUE(pane.launchAtLoginRow()->button()->isChecked());
    EXPECT_FALSE(GeneralSettingsPane(defaults).launchAtLoginRow()->button()->isChecked());
}

} // namespace
