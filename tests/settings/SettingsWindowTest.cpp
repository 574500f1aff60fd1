#include "SettingsTestSupport.h"

#include "settings/AboutSettingsPane.h"
#include "settings/GeneralSettingsPane.h"
#include "settings/LinkButton.h"
#include "settings/RecognitionSettingsPane.h"
#include "settings/SettingsTabButton.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindow.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"
#include "shell/DockIconService.h"
#include "shell/LaunchAtLoginService.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class SettingsWindowTest : public SettingsFixture {
protected:
    SettingsWindow settings{environment()};
};

TEST_F(SettingsWindowTest, OneFixedSizeWindowWithFourTabsReusedWhileOpen) {
    settings.show();
    QPointer<QWidget> window = settings.window();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(DockIconService::settingsWindow(), window.data());
    EXPECT_EQ(settings.view()->tabs().size(), 4);
    EXPECT_EQ(settings.view()->currentIndex(), 0);

    // A minimised window comes back; no second one is made.
    window->showMinimized();
    settings.show();
    EXPECT_EQ(settings.window(), window.data());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SettingsWindowTest, WithoutATrayItOffersTheTrayMenusItems) {
    bool tray = false;
    QStringList chosen;
    app = SettingsAppActions{[&] { return tray; }, [&] { chosen << u"history"_s; },
                             [&] { chosen << u"onboarding"_s; }, [&] { chosen << u"quit"_s; }};
    SettingsWindow trayless{environment()};
    trayless.show();
    QWidget* bar = trayless.view()->appActionsBar();
    ASSERT_TRUE(bar->isVisible());
    const QList<QPushButton*> buttons = bar->findChildren<QPushButton*>();
    QStringList titles;
    for (QPushButton* button : buttons) {
        titles << button->text();
        button->click();
    }
    EXPECT_EQ(titles,
              (QStringList{u"Show History\u2026"_s, u"Help / Onboarding"_s, u"Quit Inkharbor"_s}));
    EXPECT_EQ(chosen, (QStringList{u"history"_s, u"onboarding"_s, u"quit"_s}));
    const QSize withBar = trayless.window()->size();
    EXPECT_GT(withBar.height(), SettingsView::windowSize.height());

    // A tray that turns up takes them back.
    trayless.setTrayAvailable(true);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(trayless.window()->size(), SettingsView::windowSize);
    trayless.window()->close();
}

TEST_F(SettingsWindowTest, ClosingDestroysTheWindowAndTheNextOneReadsEverythingAfresh) {
    settings.show();
    QPointer<QWidget> first = settings.window();
    settings.view()->generalPane()->launchAtLoginRow()->button()->click();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    EXPECT_EQ(DockIconService::settingsWindow(), nullptr);

    supportedLanguages.append(QStringLiteral("ar-SA"));
    settings.show();
    EXPECT_TRUE(settings.view()->generalPane()->launchAtLoginRow()->button()->isChecked());
    EXPECT_EQ(settings.view()->recognitionPane()->languages().size(), 7);
    LaunchAtLoginService::setEnabled(false);
}

TEST_F(SettingsWindowTest, TheKeyboardReachesEveryTabAndEscapeCloses) {
    settings.show();
    QWidget* window = settings.window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SettingsView* view = settings.view();

    QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 1);
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 3);
    QTest::keyClick(window, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(view->currentIndex(), 2);

    // Arrows move along the tab bar once a tab has focus.
    view->tabs()[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view->tabs()[2], Qt::Key_Right);
    EXPECT_EQ(view->currentIndex(), 3);
    EXPECT_TRUE(view->tabs()[3]->hasFocus());

    // Tab goes from the tab bar into the pane's controls.
    view->setCurrentIndex(0);
    view->tabs()[0]->setFocus(Qt::TabFocusReason);
    QWidget* reached = nullptr;
    for (int i = 0; i < 8 && !reached; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == view->generalPane()->launchAtLoginRow()->button())
            reached = QApplication::focusWidget();
    }
    ASSERT_TRUE(reached);
    QTest::keyClick(reached, Qt::Key_Space);
    EXPECT_TRUE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false);

    QPointer<QWidget> weak(window);
    QTest::keyClick(reached, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(weak);
}

TEST_F(SettingsWindowTest, EveryControlHasAnAccessibleName) {
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    settings.show();
    SettingsView* view = settings.view();
    int checked = 0;
    for (int tab = 0; tab < 4; ++tab) {
        view->setCurrentIndex(tab);
        for (QWidget* w : settings.window()->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(w) ||
                !w->isEnabled())
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            ASSERT_TRUE(accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << w->metaObject()->className() << " on tab " << tab;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

TEST_F(SettingsWindowTest, AboutShowsTheVersionAndOpensTheSupportMailLink) {
    EXPECT_EQ(AboutSettingsPane::versionText("1.2", nullptr), QStringLiteral("1.2 (?)"));
    EXPECT_EQ(AboutSettingsPane::versionText(nullptr, "34"), QStringLiteral("? (34)"));

    AboutSettingsPane pane(urlOpener);
    pane.show();
    EXPECT_FALSE(pane.versionLabel()->text().contains(u'?'));
    QTest::mouseClick(pane.supportLink(), Qt::LeftButton);
    QTest::keyClick(pane.supportLink(), Qt::Key_Space);
    ASSERT_EQ(urlOpener.opened.size(), 2u);
    EXPECT_EQ(urlOpener.opened[0], QUrl(QStringLiteral("mailto:support@inkharbor.app")));
}

} // namespace
