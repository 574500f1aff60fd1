#include "shell/DockIconService.h"

#include <QWidget>

DockIconService::DockIconService(QObject* parent)
    : QObject(parent) {}

void DockIconService::start() {}

void DockIconService::activate() {}

void DockIconService::bringToFront(QWidget* window) {
    if (!window)
        return;
    activate();
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
