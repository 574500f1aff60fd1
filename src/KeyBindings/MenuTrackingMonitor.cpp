#include "KeyBindings/MenuTrackingMonitor.h"

#include "KeyBindings/HotKeyCenter.h"
#include "KeyBindings/Utilities.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

MenuTrackingMonitor::MenuTrackingMonitor(HotKeyCenter& center, QObject* parent)
    : QObject(parent)
    , center_(center) {
    QCoreApplication::instance()->installEventFilter(this);
}

MenuTrackingMonitor::~MenuTrackingMonitor() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    center_.setMenuOpen(false);
}

void MenuTrackingMonitor::menuShown(QMenu* menu) {
    if (openMenus_.contains(menu))
        return;
    openMenus_.insert(menu);
    connect(menu, &QObject::destroyed, this, &MenuTrackingMonitor::menuGone);
    center_.setMenuOpen(true);
}

void MenuTrackingMonitor::menuGone(QObject* menu) {
    if (!openMenus_.remove(menu))
        return;
    disconnect(menu, &QObject::destroyed, this, &MenuTrackingMonitor::menuGone);
    center_.setMenuOpen(!openMenus_.isEmpty());
}

bool MenuTrackingMonitor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (auto* menu = qobject_cast<QMenu*>(watched))
            menuShown(menu);
        return false;
    case QEvent::Hide:
        if (qobject_cast<QMenu*>(watched))
            menuGone(watched);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    if (center_.mode() != HotKeyCenter::Mode::menuOpen)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (KeyBindingsUtilities::isModifierKey(keyEvent->key()))
        return false;
    const auto shortcut = KeyBindingsUtilities::shortcut(*keyEvent);
    if (!shortcut)
        return false;
    const EventType type =
        event->type() == QEvent::KeyPress ? EventType::keyDown : EventType::keyUp;
    return center_.handleMenuKeyEvent(type, *shortcut, keyEvent->isAutoRepeat());
}
