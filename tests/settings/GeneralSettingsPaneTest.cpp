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

namespace {

QStringList titles(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

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
    defaults.setValue(SettingsKey::alwaysShowResultWindow, true);
    GeneralSettingsPane pane(defaults);
    SwitchButton* sound = pane.playSoundRow()->button();
    SwitchButton* result = pane.alwaysShowResultWindowRow()->button();
    EXPECT_TRUE(sound->isChecked()); // the registered default
    EXPECT_TRUE(result->isChecked());

    sound->click();
    EXPECT_EQ(onDisk(SettingsKey::playSound), QVariant(false));
    // A click on the row's title flips its switch too.
    QTest::mouseClick(pane.alwaysShowResultWindowRow()->titleLabel(), Qt::LeftButton);
    EXPECT_FALSE(result->isChecked());
    EXPECT_EQ(onDisk(SettingsKey::alwaysShowResultWindow), QVariant(false));

    // A change made elsewhere shows without being written back.
    defaults.setValue(SettingsKey::playSound, true);
    EXPECT_TRUE(sound->isChecked());
}

TEST_F(GeneralSettingsPaneTest, KeepHistoryOffersSixChoicesAndStoresTheNumber) {
    GeneralSettingsPane pane(defaults);
    QComboBox* box = pane.historyLimitPicker();
    EXPECT_EQ(
        titles(box),
        (QStringList{QStringLiteral("Off"), QStringLiteral("Last 10 captures"),
                     QStringLiteral("Last 50 captures"), QStringLiteral("Last 100 captures"),
                     QStringLiteral("Last 250 captures"), QStringLiteral("Last 500 captures")}));
    EXPECT_EQ(box->currentText(), QStringLiteral("Last 50 captures"));
    EXPECT_FALSE(defaults.hasStoredValue(SettingsKey::historyLimit));

    pick(box, QStringLiteral("Off"));
    EXPECT_EQ(defaults.integer(SettingsKey::historyLimit), 0);
    EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 0);
    pick(box, QStringLiteral("Last 500 captures"));
    EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 500);
}

TEST_F(GeneralSettingsPaneTest, AHandEditedLimitShowsAsItIsAndStaysUntilTheUserPicks) {
    defaults.setValue(SettingsKey::historyLimit, 20);
    {
        GeneralSettingsPane pane(defaults);
        QComboBox* box = pane.historyLimitPicker();
        EXPECT_EQ(box->currentText(), QStringLiteral("Last 20 captures"));
        EXPECT_EQ(box->itemText(box->currentIndex() - 1), QStringLiteral("Last 10 captures"));
        EXPECT_EQ(box->itemText(box->currentIndex() + 1), QStringLiteral("Last 50 captures"));
        pane.playSoundRow()->button()->click(); // another setting changes
        EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 20);

        pick(box, QStringLiteral("Last 50 captures"));
        EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), 50);
        // Once replaced, the odd number is no longer offered.
        EXPECT_EQ(box->count(), 6);
    }
    // Below 1 the history is off, so that is what shows; the number stays.
    defaults.setValue(SettingsKey::historyLimit, -3);
    GeneralSettingsPane pane(defaults);
    EXPECT_EQ(pane.historyLimitPicker()->currentText(), QStringLiteral("Off"));
    EXPECT_EQ(pane.historyLimitPicker()->count(), 6);
    EXPECT_EQ(onDisk(SettingsKey::historyLimit).toLongLong(), -3);
}

TEST_F(GeneralSettingsPaneTest, SearchEngineShowsGoogleForAnUnknownValueAndStoresRawValues) {
    defaults.setValue(SettingsKey::searchEngine, QStringLiteral("Yahoo"));
    GeneralSettingsPane pane(defaults);
    QComboBox* box = pane.searchEnginePicker();
    EXPECT_EQ(titles(box), (QStringList{QStringLiteral("Google"), QStringLiteral("DuckDuckGo"),
                                        QStringLiteral("Bing"), QStringLiteral("Ecosia")}));
    EXPECT_EQ(box->currentText(), QStringLiteral("Google"));
    EXPECT_EQ(onDisk(SettingsKey::searchEngine).toString(), QStringLiteral("Yahoo"));

    pick(box, QStringLiteral("DuckDuckGo"));
    EXPECT_EQ(onDisk(SettingsKey::searchEngine).toString(), QStringLiteral("duckDuckGo"));
    pick(box, QStringLiteral("Ecosia"));
    EXPECT_EQ(onDisk(SettingsKey::searchEngine).toString(), QStringLiteral("ecosia"));
}

TEST_F(GeneralSettingsPaneTest, LaunchAtLoginFollowsTheAutostartEntry) {
    {
        GeneralSettingsPane pane(defaults);
        EXPECT_FALSE(pane.launchAtLoginRow()->button()->isChecked());
        pane.launchAtLoginRow()->button()->click();
        EXPECT_TRUE(LaunchAtLoginService::isEnabled());
        EXPECT_TRUE(LaunchAtLoginService::entryPath().startsWith(dir.path()));
    }
    {
        GeneralSettingsPane pane(defaults);
        EXPECT_TRUE(pane.launchAtLoginRow()->button()->isChecked());
        pane.launchAtLoginRow()->button()->click();
        EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    }
    // Not a setting: nothing went into the store.
    EXPECT_TRUE(defaults.storedObject(QStringLiteral("launchAtLogin")).isNull());
}

TEST_F(GeneralSettingsPaneTest, AFailedLaunchAtLoginChangeKeepsTheUsersChoice) {
    // A file where the autostart folder belongs: the entry cannot be written.
    QFile blocker(dir.filePath(QStringLiteral("config/autostart")));
    QDir().mkpath(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    GeneralSettingsPane pane(defaults);
    testing::internal::CaptureStdout();
    pane.launchAtLoginRow()->button()->click();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("LaunchAtLoginService: ", 0), 0u) << out;
    EXPECT_TRUE(pane.launchAtLoginRow()->button()->isChecked());
    EXPECT_FALSE(GeneralSettingsPane(defaults).launchAtLoginRow()->button()->isChecked());
}

} // namespace
