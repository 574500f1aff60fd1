#pragma once

#include "app/AppCommandLine.h"

#include <QObject>

#include <memory>

class AppDelegate;
class ApplicationBus;
class LinuxPlatform;
class Log;
class MenuBarContent;
class SettingsWindow;

// The tray program: one instance per session (a second launch hands over to
// the first and exits), the platform, the delegate and the tray menu.
class InkharborApp : public QObject {
    Q_OBJECT
public:
    // The action asked for on the command line: handed to the instance that
    // runs already, or done once this one has started.
    explicit InkharborApp(AppCommandLine::Action action = AppCommandLine::Action::none);
    ~InkharborApp() override;

    // Runs the program; returns the process's exit status.
    int run();

private:
    void openSettings();
    void handleAction(const QString& name);
    int handOver();

    AppCommandLine::Action action_;
    std::unique_ptr<ApplicationBus> bus_;
    std::unique_ptr<LinuxPlatform> platform_;
    std::unique_ptr<Log> log_;
    std::unique_ptr<AppDelegate> delegate_;
    std::unique_ptr<MenuBarContent> menu_;
    std::unique_ptr<SettingsWindow> settings_;
};
