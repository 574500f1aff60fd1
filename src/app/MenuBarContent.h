#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class AppCoordinator;
class KeyBindings;
class Log;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The tray item and its menu: the program's only permanent interface.
class MenuBarContent : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> openHistory;
        std::function<void()> openSettings;
        std::function<void()> openOnboarding;
        std::function<void()> quit;
    };

    MenuBarContent(AppCoordinator& coordinator, KeyBindings& keyBindings, Actions actions,
                   QObject* parent = nullptr);
    ~MenuBarContent() override;

    QMenu* menu() const { return menu_; }

private:
    QMenu* menu_;
    QSystemTrayIcon* tray_;
};
