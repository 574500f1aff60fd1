#include "app/AppDelegate.h"

#include "KeyBindings/KeyBindings.h"
#include "KeyBindings/MenuTrackingMonitor.h"
#include "app/AppCoordinator.h"
#include "history/HistoryStore.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QWidget>

AppDelegate::AppDelegate(Platform& platform, QObject* parent)
    : QObject(parent)
    , platform_(platform)
    , keyBindings_(std::make_unique<KeyBindings>(platform.defaults, platform.notifications,
                                                 platform.hotKeys, platform.keyboardLayout))
    , menuTracking_(std::make_unique<MenuTrackingMonitor>(keyBindings_->hotKeyCenter()))
    , coordinator_(std::make_unique<AppCoordinator>(platform, *keyBindings_,
                                                    HistoryStore::defaultDatabasePath())) {}

AppDelegate::~AppDelegate() {
    coordinator_.reset();
    menuTracking_.reset();
}

void AppDelegate::applicationDidFinishLaunching() {
    coordinator_->settings().registerDefaults();
    coordinator_->start();
}

bool AppDelegate::applicationShouldHandleReopen() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = [](QWidget* w) {
        return DockIconService::isOrdinaryWindow(w) && !w->isMinimized();
    };
    if (std::any_of(windows.begin(), windows.end(), shown))
        return true;
    for (QWidget* w : windows) {
        if (DockIconService::isOrdinaryWindow(w) && w->isMinimized()) {
            coordinator_->dockIcon().bringToFront(w);
            return true;
        }
    }
    coordinator_->onboardingWindow().show(OnboardingStep::welcome);
    return true;
}
