#pragma once

#include <QObject>

#include <functional>

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
    // Brings the window the user was last in to the front (it may be covered
    // by another program's), else restores a minimised one, else opens the
    // onboarding at its first step, or `openInstead` where there is one (the
    // settings, on a desktop without a tray).
    bool applicationShouldHandleReopen(const std::function<void()>& openInstead = {});

private:
    Platform& platform_;
    std::unique_ptr<KeyBindings> keyBindings_;
    std::unique_ptr<MenuTrackingMonitor> menuTracking_;
    std::unique_ptr<AppCoordinator> coordinator_;
};
