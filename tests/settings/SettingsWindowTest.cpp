#include "SettingsTestSupport.h"

#include "settings/GeneralSettingsPane.h"
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
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class SettingsWindowTest : public SettingsFixture {
protected:
    template <typename T>
    T* find(const QString& name = {}) const {
        return settings.window()->findChild<T*>(name);
    }
    SwitchButton* launchAtLogin() const {
        return find<GeneralSettingsPane>()->launchAtLoginRow()->button();
    }
    SettingsWindow settings{environment()};
};

TEST_F(SettingsWindowTest, OneFixedSizeWindowReusedWhileOpen) {
    settings.show();
    QPointer<QWidget> window = settings.window();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(DockIconService::settingsWindow(), window.data());
    window->showMinimized();
    settings.show();
    EXPECT_EQ(settings.window(), window.data());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(SettingsWindowTest, WithoutATrayItOffersTheTrayMenusItems) {
    bool tray = false;
    QStringList chosen;
    app = SettingsAppActions{[&] { return tray; }, [&] { chosen << u"history"_s; },
                             [&] { chosen << u"onboarding"_s; }, [&] { chosen << u"quit"_s; }};
    SettingsWindow trayless{environment()};
    trayless.show();
    auto* bar = trayless.window()->findChild<QWidget*>(u"appActions"_s);
    ASSERT_TRUE(bar->isVisible());
    for (QPushButton* button : bar->findChildren<QPushButton*>())
        button->click();
    EXPECT_EQ(chosen, (QStringList{u"history"_s, u"onboarding"_s, u"quit"_s}));
    EXPECT_GT(trayless.window()->height(), SettingsView::windowSize.height());

    // A tray that turns up takes them back.
    trayless.setTrayAvailable(true);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(trayless.window()->size(), SettingsView::windowSize);
    trayless.window()->close();
}

TEST_F(SettingsWindowTest, ClosingDestroysTheWindowAndTheNextOneReadsEverythingAfresh) {
    settings.show();
    QPointer<QWidget> first = settings.window();
    launchAtLogin()->click();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);

    supportedLanguages.append(QStringLiteral("ar-SA"));
    settings.show();
    EXPECT_TRUE(launchAtLogin()->isChecked());
    EXPECT_EQ(find<RecognitionSettingsPane>()->languages().size(), 7);
    LaunchAtLoginService::setEnabled(false);
}

TEST_F(SettingsWindowTest, TheKeyboardReachesEveryTabAndEscapeCloses) {
    settings.show();
    QWidget* window = settings.window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SettingsView* view = settings.view();
    const QList<SettingsTabButton*> tabs = window->findChildren<SettingsTabButton*>();
    ASSERT_EQ(tabs.size(), 4);

    QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 1);
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex(), 3);
    QTest::keyClick(window, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(view->currentIndex(), 2);
    // Arrows move along the tab bar once a tab has focus.
    tabs[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs[2], Qt::Key_Right);
    EXPECT_EQ(view->currentIndex(), 3);
    EXPECT_TRUE(tabs[3]->hasFocus());

    // Tab goes from the tab bar into the pane's controls.
    view->setCurrentIndex(0);
    tabs[0]->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 8 && QApplication::focusWidget() != launchAtLogin(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), launchAtLogin());
    QTest::keyClick(launchAtLogin(), Qt::Key_Space);
    EXPECT_TRUE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false);

    QPointer<QWidget> weak(window);
    QTest::keyClick(launchAtLogin(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(weak);
}

TEST_F(SettingsWindowTest, EveryControlHasAnAccessibleName) {
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    settings.show();
    int checked = 0;
    for (int tab = 0; tab < 4; ++tab) {
        settings.view()->setCurrentIndex(tab);
        for (QWidget* w : settings.window()->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(w) ||
                !w->isEnabled())
                continue;
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                << w->metaObject()->className() << " on tab " << tab;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

} // namespace
