#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
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

using namespace Qt::StringLiterals;

namespace {

bool showsText(QWidget* root, const QString& text) {
    const auto labels = root->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
                       [&](QLabel* l) { return l->isVisible() && l->text().contains(text); });
}

class OnboardingTest : public ::testing::Test {
protected:
    QPushButton* button(const QString& name) const {
        return onboarding.view()->findChild<QPushButton*>(name);
    }
    OnboardingEnvironment environment() {
        return OnboardingEnvironment{defaults,
                                     notifications,
                                     permission,
                                     [] {
                                         return QStringList{u"en-US"_s,   u"fr-FR"_s,   u"de-DE"_s,
                                                            u"zh-Hans"_s, u"zh-Hant"_s, u"hi-IN"_s,
                                                            u"ta-IN"_s};
                                     },
                                     [this] { return shortcut; },
                                     [this] { ++settingsOpened; },
                                     [this] { ++relaunches; },
                                     [this] { return trayAvailable; }};
    }
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(u"settings.conf"_s)};
    NotificationCenter notifications;
    FakePermission permission;
    FakeFocus focus;
    RecordingLogSink log;
    DockIconService dock{focus, log};
    std::optional<QString> shortcut = u"Super+Shift+T"_s;
    int settingsOpened = 0;
    int relaunches = 0;
    bool trayAvailable = true;
    OnboardingWindow onboarding{environment(), dock};
};

TEST_F(OnboardingTest, WalksThroughTheStepsAndDoneIsRemembered) {
    onboarding.show(OnboardingStep::welcome);
    OnboardingView* view = onboarding.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(onboarding.window()));
    EXPECT_FALSE(button(u"back"_s)->isVisible());
    EXPECT_TRUE(showsText(view, u"Reads text in 6 languages"_s));
    // Each by its own name; pointing at one names it in the user's language. No flags.
    EXPECT_TRUE(showsText(view, u"हिन्दी"_s));
    EXPECT_FALSE(showsText(view, u"\U0001F1EE\U0001F1F3"_s));
    view->setPointedLanguage(u"ta"_s);
    EXPECT_TRUE(showsText(view, u"Tamil"_s));

    QTest::keyClick(onboarding.window(), Qt::Key_Return); // Return acts as Continue
    EXPECT_EQ(view->step(), OnboardingStep::permission);
    // Where the desktop asks nothing (X11), the step says so and offers nothing to do.
    EXPECT_TRUE(showsText(view, u"No permission needed"_s));
    EXPECT_EQ(view->findChildren<QPushButton*>().size(), 2); // Back and Continue

    button(u"primary"_s)->click();
    EXPECT_EQ(view->step(), OnboardingStep::tryIt);
    EXPECT_TRUE(showsText(view, u"Press Super+Shift+T, then drag a box"_s));
    notifications.post(u"InkharborCaptureCopied"_s, u"Try capturing"_s);
    EXPECT_TRUE(showsText(view, u"Copied to the clipboard"_s));

    QPointer<QWidget> window = onboarding.window();
    button(u"primary"_s)->click();
    EXPECT_TRUE(defaults.boolean(SettingsKey::hasCompletedOnboarding));
    EXPECT_TRUE(TestAsync::waitUntil([&] { return window.isNull(); }));
}

TEST_F(OnboardingTest, ClosingOtherwiseLeavesTheFlagAndAShowReplacesTheWindow) {
    onboarding.show(OnboardingStep::welcome);
    QPointer<QWidget> first = onboarding.window();
    shortcut.reset();
    onboarding.show(OnboardingStep::tryIt);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return first.isNull(); }));
    EXPECT_EQ(onboarding.view()->step(), OnboardingStep::tryIt);
    // Without a shortcut the sentence names none.
    EXPECT_TRUE(showsText(onboarding.view(), u"Press your shortcut, then drag"_s));
    onboarding.window()->close();
    EXPECT_FALSE(defaults.boolean(SettingsKey::hasCompletedOnboarding));
}

TEST_F(OnboardingTest, WhereTheDesktopAsksThePermissionPageNoticesAGrant) {
    permission.asks = true;
    permission.granted = false;
    onboarding.show(OnboardingStep::permission);
    OnboardingView* view = onboarding.view();
    for (QPushButton* b : view->findChildren<QPushButton*>())
        if (b->objectName().isEmpty()) // Share the Screen…, Quit & Reopen
            b->click();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(relaunches, 1);
    permission.granted = true;
    EXPECT_TRUE(
        TestAsync::waitUntil([&] { return view->hasPermission(); }, std::chrono::seconds(5)));
    EXPECT_TRUE(showsText(view, u"Permission granted"_s));
}

// Where the desktop offers no way to read the screen (GNOME or KDE on
// Wayland today), the step says so and why, not "No permission needed".
TEST_F(OnboardingTest, WhereTheScreenCannotBeReadThePermissionStepSaysWhy) {
    permission.unavailable = u"Log in to an X11 session."_s;
    onboarding.show(OnboardingStep::permission);
    EXPECT_TRUE(showsText(onboarding.view(), u"Screen capture is not available"_s));
    EXPECT_TRUE(showsText(onboarding.view(), u"Log in to an X11 session."_s));
    EXPECT_FALSE(showsText(onboarding.view(), u"No permission needed"_s));
}

TEST_F(OnboardingTest, WithoutATrayTheFirstAndLastWordsSayHowToReachInkharbor) {
    const auto hint = [&] { return onboarding.view()->findChild<QLabel*>(u"noTrayHint"_s); };
    onboarding.show(OnboardingStep::welcome);
    EXPECT_FALSE(hint());
    trayAvailable = false;
    for (const OnboardingStep step : {OnboardingStep::welcome, OnboardingStep::tryIt}) {
        onboarding.show(step);
        ASSERT_TRUE(hint());
        EXPECT_FALSE(showsText(onboarding.view(), u"Look for this icon"_s));
    }
}

} // namespace
