#include "app/InkharborApp.h"

#include "app/AppCoordinator.h"
#include "app/AppDelegate.h"
#include "app/MenuBarContent.h"
#include "history/HistoryError.h"
#include "platform/LinuxPlatform.h"
#include "platform/base/Log.h"
#include "platform/desktop/ApplicationBus.h"
#include "settings/SettingsWindow.h"
#include "shell/SystemTrayWatch.h"

#include <QMenu>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <cstdio>

InkharborApp::InkharborApp(AppCommandLine::Action action)
    : action_(action) {}

InkharborApp::~InkharborApp() {
    // Windows and services go before the platform they use.
    tray_.reset();
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
    tray_ = std::make_unique<SystemTrayWatch>();
    connect(tray_.get(), &SystemTrayWatch::availabilityChanged, this,
            &InkharborApp::trayAvailabilityChanged);
    coordinator.setShellHooks({[this] { relaunch(); }, [this] { return tray_->isAvailable(); }});
    const auto openHistory = [&coordinator] { coordinator.showHistory(); };
    const auto openOnboarding = [&coordinator] {
        coordinator.onboardingWindow().show(OnboardingStep::welcome);
    };
    const auto quit = [] { QCoreApplication::quit(); };
    menu_ = std::make_unique<MenuBarContent>(
        coordinator, delegate_->keyBindings(),
        MenuBarContent::Actions{openHistory, [this] { openSettings(); }, openOnboarding, quit});

    QMenu* trayMenu = menu_->menu();
    settings_ = std::make_unique<SettingsWindow>(SettingsEnvironment{
        platform.defaults,
        RecorderEnvironment{delegate_->keyBindings(),
                            platform.systemShortcuts,
                            [trayMenu] { return QList<QMenu*>{trayMenu}; },
                            {}},
        [&coordinator] { return coordinator.ocr().supportedLanguages(); },
        [&coordinator] { return coordinator.ocr().installableLanguages(); }, platform.urls,
        SettingsAppActions{[this] { return tray_->isAvailable(); }, openHistory, openOnboarding,
                           quit}});

    connect(bus_.get(), &ApplicationBus::activateRequested, this, &InkharborApp::reopen);
    connect(bus_.get(), &ApplicationBus::actionRequested, this, &InkharborApp::handleAction);

    trayAvailabilityChanged(tray_->isAvailable());
    QTimer::singleShot(0, this, [this] {
        delegate_->applicationDidFinishLaunching();
        if (const QString action = AppCommandLine::busAction(action_); !action.isEmpty())
            handleAction(action);
    });
    const int status = QApplication::exec();
    if (relaunchRequested_)
        startNewInstance();
    return status;
}

void InkharborApp::reopen() {
    // Without a tray, opening the program again is the way to its settings,
    // which then offer what the tray menu would.
    if (tray_->isAvailable())
        delegate_->applicationShouldHandleReopen();
    else
        delegate_->applicationShouldHandleReopen([this] { openSettings(); });
}

void InkharborApp::trayAvailabilityChanged(bool available) {
    if (available)
        log_->info("System tray found: Inkharbor's menu is behind its tray icon");
    else
        log_->info("No system tray on this desktop: opening Inkharbor again shows its settings, "
                   "with History, Help and Quit");
    settings_->setTrayAvailable(available);
}

void InkharborApp::relaunch() {
    log_->info("Relaunch requested");
    relaunchRequested_ = true;
    QCoreApplication::quit();
}

void InkharborApp::startNewInstance() {
    // The windows and the shortcuts go first (their grabs are given back),
    // then the application id: the new instance must find both free.
    tray_.reset();
    settings_.reset();
    menu_.reset();
    delegate_.reset();
    bus_->release();
    qint64 pid = 0;
    const QString program = QCoreApplication::applicationFilePath();
    if (QProcess::startDetached(program, {}, QString(), &pid))
        log_->info("Started a new instance (process %lld)", pid);
    else
        log_->error("Could not start a new instance of %{public}s", program);
}

int InkharborApp::handOver() {
    // The running instance re-opens (brings its window to the front, or
    // shows the onboarding, or without a tray the settings) or does the action.
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
