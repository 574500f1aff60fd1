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

bool AppDelegate::applicationShouldHandleReopen(const std::function<void()>& openInstead) {
    DockIconService& dock = coordinator_->dockIcon();
    if (QWidget* front = dock.frontWindow()) {
        dock.bringToFront(front);
        return true;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (DockIconService::isOrdinaryWindow(w) && w->isMinimized()) {
            dock.bringToFront(w);
            return true;
        }
    }
    if (openInstead)
        openInstead();
    else
        coordinator_->onboardingWindow().show(OnboardingStep::welcome);
    return true;
}
