#include "app/InkharborApp.h"

#include "app/AppCoordinator.h"
#include "app/AppDelegate.h"
#include "app/MenuBarContent.h"
#include "history/HistoryError.h"
#include "platform/LinuxPlatform.h"
#include "platform/base/Log.h"
#include "platform/desktop/ApplicationBus.h"
#include "settings/SettingsWindow.h"

#include <QMenu>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

InkharborApp::InkharborApp(AppCommandLine::Action action)
    : action_(action) {}

InkharborApp::~InkharborApp() {
    // Windows and services go before the platform they use.
    settings_.reset();
    menu_.reset();
    delegate_.reset();
}

int InkharborApp::run() {
    bus_ = std::make_unique<ApplicationBus>();
    const ApplicationBus::Claim claim = bus_->claim();
    if (claim == ApplicationBus::Claim::anotherInstanceRuns)
        return handOver();
    if (action_ == AppCommandLine::Action::quit) {
        // None runs, so none is left to quit; without a bus we cannot tell.
        if (claim == ApplicationBus::Claim::owned)
            return 0;
        std::fprintf(stderr, "inkharbor: no session bus: cannot reach a running Inkharbor\n");
        return AppCommandLine::failed;
    }

    platform_ = std::make_unique<LinuxPlatform>();
    Platform& platform = platform_->platform();
    log_ = std::make_unique<Log>(platform.log, QStringLiteral("activation"));
    if (claim == ApplicationBus::Claim::noBus)
        log_->info("No session bus: a second launch cannot reach this one, and desktop "
                   "shortcuts cannot start captures");

    try {
        delegate_ = std::make_unique<AppDelegate>(platform);
    } catch (const HistoryError& e) {
        const QString message =
            QCoreApplication::translate("InkharborApp", "Could not open the history database: ") +
            e.description();
        Log(platform.log, QStringLiteral("history")).error("%{public}s", message);
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Inkharbor"), message);
        return 1;
    }

    AppCoordinator& coordinator = delegate_->coordinator();
    menu_ = std::make_unique<MenuBarContent>(
        coordinator, delegate_->keyBindings(),
        MenuBarContent::Actions{
            [&coordinator] { coordinator.showHistory(); }, [this] { openSettings(); },
            [&coordinator] { coordinator.onboardingWindow().show(OnboardingStep::welcome); },
            [] { QCoreApplication::quit(); }});

    QMenu* trayMenu = menu_->menu();
    settings_ = std::make_unique<SettingsWindow>(SettingsEnvironment{
        platform.defaults,
        RecorderEnvironment{delegate_->keyBindings(),
                            platform.systemShortcuts,
                            [trayMenu] { return QList<QMenu*>{trayMenu}; },
                            {}},
        [&coordinator] { return coordinator.ocr().supportedLanguages(); },
        [&coordinator] { return coordinator.ocr().installableLanguages(); }, platform.urls});

    connect(bus_.get(), &ApplicationBus::activateRequested, this,
            [this] { delegate_->applicationShouldHandleReopen(); });
    connect(bus_.get(), &ApplicationBus::actionRequested, this, &InkharborApp::handleAction);

    QTimer::singleShot(0, this, [this] {
        delegate_->applicationDidFinishLaunching();
        if (const QString action = AppCommandLine::busAction(action_); !action.isEmpty())
            handleAction(action);
    });
    return QApplication::exec();
}

int InkharborApp::handOver() {
    // The running instance re-opens (restores a window or shows the
    // onboarding) or does the action.
    if (bus_->activateRunningInstance(AppCommandLine::busAction(action_)))
        return 0;
    std::fprintf(stderr, "inkharbor: the running Inkharbor does not answer\n");
    return AppCommandLine::failed;
}

void InkharborApp::handleAction(const QString& name) {
    AppCoordinator& coordinator = delegate_->coordinator();
    if (name == u"capture-text")
        coordinator.capture(CaptureMode::text);
    else if (name == u"capture-barcode")
        coordinator.capture(CaptureMode::barcode);
    else if (name == u"show-history")
        coordinator.showHistory();
    else if (name == u"settings")
        openSettings();
    else if (name == u"onboarding")
        coordinator.onboardingWindow().show(OnboardingStep::welcome);
    else if (name == u"quit")
        QCoreApplication::quit();
}

void InkharborApp::openSettings() {
    AppCoordinator& coordinator = delegate_->coordinator();
    coordinator.dockIcon().activate();
    settings_->show();
    QTimer::singleShot(50, this, [this] {
        QWidget* settings = DockIconService::settingsWindow();
        log_->info("Settings window found: %{bool}d", settings != nullptr);
        if (settings) {
            settings->show();
            settings->raise();
        }
    });
}
