#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "settings/AppSettings.h"
#include "shell/DockIconService.h"
#include "shell/OnboardingWindow.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool showsText(QWidget* root, const QString& text) {
    const auto labels = root->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
                       [&](QLabel* l) { return l->isVisible() && l->text().contains(text); });
}

class OnboardingTest : public ::testing::Test {
protected:
    OnboardingEnvironment environment() {
        return OnboardingEnvironment{defaults,
                                     notifications,
                                     permission,
                                     [] {
                                         return QStringList{
                                             QStringLiteral("en-US"),   QStringLiteral("fr-FR"),
                                             QStringLiteral("de-DE"),   QStringLiteral("zh-Hans"),
                                             QStringLiteral("zh-Hant"), QStringLiteral("hi-IN"),
                                             QStringLiteral("ta-IN")};
                                     },
                                     [this] { return shortcut; },
                                     [this] { ++settingsOpened; },
                                     {}};
    }
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(QStringLiteral("settings.conf"))};
    NotificationCenter notifications;
    FakePermission permission;
    FakeFocus focus;
    RecordingLogSink log;
    DockIconService dock{focus, log};
    std::optional<QString> shortcut = QStringLiteral("\u2303\u21E7T");
    int settingsOpened = 0;
    OnboardingWindow onboarding{environment(), dock};
};

TEST_F(OnboardingTest, WalksThroughTheStepsAndDoneIsRemembered) {
    onboarding.show(OnboardingStep::welcome);
    OnboardingView* view = onboarding.view();
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(onboarding.window()));
    EXPECT_FALSE(view->backButton()->isVisible());
    EXPECT_TRUE(showsText(view, QStringLiteral("Reads text in 6 languages")));

    QTest::keyClick(onboarding.window(), Qt::Key_Return); // Return acts as Continue
    EXPECT_EQ(view->step(), OnboardingStep::permission);
    EXPECT_TRUE(showsText(view, QStringLiteral("Permission granted")));

    view->primaryButton()->click();
    EXPECT_EQ(view->step(), OnboardingStep::tryIt);
    EXPECT_TRUE(showsText(view, QStringLiteral("Press \u2303\u21E7T, then drag a box")));
    EXPECT_TRUE(showsText(view, QStringLiteral("Waiting for your capture")));
    notifications.post(QStringLiteral("InkharborCaptureCopied"), QStringLiteral("Try capturing"));
    EXPECT_TRUE(showsText(view, QStringLiteral("Copied to the clipboard")));

    EXPECT_EQ(view->primaryButton()->text(), QStringLiteral("Done"));
    QPointer<QWidget> window = onboarding.window();
    view->primaryButton()->click();
    EXPECT_TRUE(defaults.boolean(SettingsKey::hasCompletedOnboarding));
    EXPECT_TRUE(TestAsync::waitUntil([&] { return window.isNull(); }));
}

TEST_F(OnboardingTest, ClosingOtherwiseLeavesTheFlagAndAShowReplacesTheWindow) {
    onboarding.show(OnboardingStep::welcome);
    QPointer<QWidget> first = onboarding.window();
    onboarding.show(OnboardingStep::tryIt);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return first.isNull(); }));
    ASSERT_TRUE(onboarding.view());
    EXPECT_EQ(onboarding.view()->step(), OnboardingStep::tryIt);
    onboarding.window()->close();
    EXPECT_FALSE(defaults.boolean(SettingsKey::hasCompletedOnboarding));
}

TEST_F(OnboardingTest, ThePermissionPageNoticesAGrantWithinAboutASecond) {
    permission.granted = false;
    onboarding.show(OnboardingStep::permission);
    OnboardingView* view = onboarding.view();
    EXPECT_TRUE(showsText(view, QStringLiteral("Quit & Reopen")));
    const auto buttons = view->findChildren<QPushButton*>();
    auto open = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) {
        return b->text() == QStringLiteral("Open System Settings");
    });
    ASSERT_NE(open, buttons.end());
    (*open)->click();
    EXPECT_EQ(settingsOpened, 1);
    permission.granted = true;
    EXPECT_TRUE(
        TestAsync::waitUntil([&] { return view->hasPermission(); }, std::chrono::seconds(5)));
    EXPECT_TRUE(showsText(view, QStringLiteral("Permission granted")));
}

TEST_F(OnboardingTest, WithoutAShortcutTheTryItSentenceSaysYourShortcut) {
    shortcut.reset();
    onboarding.show(OnboardingStep::tryIt);
    EXPECT_TRUE(showsText(onboarding.view(), QStringLiteral("Press your shortcut, then drag")));
}

TEST_F(OnboardingTest, PointingAtAFlagNamesItsLanguages) {
    onboarding.show(OnboardingStep::welcome);
    OnboardingView* view = onboarding.view();
    const QString india = QStringLiteral("\U0001F1EE\U0001F1F3");
    view->setPointedFlag(india);
    EXPECT_TRUE(showsText(view, QStringLiteral("Hindi")));
    EXPECT_TRUE(showsText(view, QStringLiteral("Tamil")));
    view->setPointedFlag(std::nullopt);
    EXPECT_TRUE(showsText(view, QStringLiteral("Point at a flag to see the language.")));
}

} // namespace
