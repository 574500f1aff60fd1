#include "capture/TransientWindows.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <qcoro/qcorotimer.h>

TransientWindows::TransientWindows(std::chrono::milliseconds settleTime, QObject* parent)
    : QObject(parent)
    , settleTime_(settleTime) {
    qApp->installEventFilter(this);
}

TransientWindows::~TransientWindows() {
    if (qApp)
        qApp->removeEventFilter(this);
}

bool TransientWindows::isTransient(const QObject* object) {
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::Tool;
}

bool TransientWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && isTransient(watched))
        sinceLastHidden_.start();
    return QObject::eventFilter(watched, event);
}

QCoro::Task<void> TransientWindows::cleared() {
    // A capture asked for while our menu is open (its shortcut, say) wants
    // the screen, not the menu. A pop-up that will not close is left to be.
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    if (!sinceLastHidden_.isValid())
        co_return;
    const auto elapsed = std::chrono::milliseconds(sinceLastHidden_.elapsed());
    if (elapsed >= settleTime_)
        co_return;
    // The server has unmapped ours once this returns; the rest is the other
    // programs' repainting.
    QGuiApplication::sync();
    co_await QCoro::sleepFor(settleTime_ - elapsed);
}
