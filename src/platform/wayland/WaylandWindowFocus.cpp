#include "platform/wayland/WaylandWindowFocus.h"

#include <QGuiApplication>

quint64 WaylandWindowFocus::activeWindow() const {
    const QWindow* window = QGuiApplication::focusWindow();
    return window ? quint64(window->winId()) : 0;
}

QString WaylandWindowFocus::activeApplicationName() const {
    return QGuiApplication::focusWindow() ? QGuiApplication::applicationDisplayName() : QString();
}

void WaylandWindowFocus::activate(quint64 window) {
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* w : windows)
        if (w->handle() && quint64(w->winId()) == window) {
            w->requestActivate();
            return;
        }
}
