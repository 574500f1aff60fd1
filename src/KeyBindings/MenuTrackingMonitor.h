#pragma once

#include <QObject>
#include <QSet>

class HotKeyCenter;
class QMenu;

// While one of our menus is open it holds the keyboard, and the X server gives
// a shortcut's keys to the menu rather than to our grab. This watches the
// menus being shown and hidden, tells the hot-key center, and while one is
// open hands the application's key events to the center, which swallows those
// that belong to a shortcut.
class MenuTrackingMonitor : public QObject {
    Q_OBJECT
public:
    // Watches every event of the application from now on.
    explicit MenuTrackingMonitor(HotKeyCenter& center, QObject* parent = nullptr);
    ~MenuTrackingMonitor() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void menuShown(QMenu* menu);
    void menuGone(QObject* menu);

    HotKeyCenter& center_;
    QSet<QObject*> openMenus_;
};
