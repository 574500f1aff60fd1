#pragma once

#include <QObject>

#include <memory>

class AppCoordinator;
class KeyBindings;
class MenuTrackingMonitor;
struct Platform;

// Creates the coordinator (and with it every service) and starts it once
// launching has finished; answers the user opening the program again.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // Throws HistoryError when the history cannot be opened.
    explicit AppDelegate(Platform& platform, QObject* parent = nullptr);
    ~AppDelegate() override;

    AppCoordinator& coordinator() { return *coordinator_; }
    KeyBindings& keyBindings() { return *keyBindings_; }

    void applicationDidFinishLaunching();
    // Restores a minimised window, else opens the onboarding at its first step.
    bool applicationShouldHandleReopen();

private:
    Platform& platform_;
    std::unique_ptr<KeyBindings> keyBindings_;
    std::unique_ptr<MenuTrackingMonitor> menuTracking_;
    std::unique_ptr<AppCoordinator> coordinator_;
};
