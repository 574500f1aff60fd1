#include "shell/DockIconService.h"

#include "platform/WindowFocus.h"
#include "platform/base/Log.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

DockIconService::DockIconService(WindowFocus& focus, LogSink& logSink, QObject* parent)
    : QObject(parent)
    , focus_(focus)
    , log_(std::make_unique<Log>(logSink, QStringLiteral("activation"))) {}

DockIconService::~DockIconService() {
    if (started_)
        qApp->removeEventFilter(this);
}

void DockIconService::start() {
    if (!started_) {
        started_ = true;
        qApp->installEventFilter(this);
        connect(
            qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { activeChanged(state == Qt::ApplicationActive); });
    }
    update();
}

bool DockIconService::isOrdinaryWindow(const QWidget* window) {
    if (!window || !window->isWindow())
        return false;
    const Qt::WindowType type = window->windowType();
    const bool titled = (type == Qt::Window || type == Qt::Dialog) &&
                        !(window->windowFlags() & Qt::FramelessWindowHint);
    // A minimised window stays visible for Qt; a closed one does not.
    return titled && window->isVisible();
}

bool DockIconService::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (isOrdinaryWindow(qobject_cast<QWidget*>(watched)))
            lastActive_ = static_cast<QWidget*>(watched);
        [[fallthrough]];
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::WindowStateChange:
    case QEvent::Destroy:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            scheduleUpdate();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DockIconService::scheduleUpdate() {
    if (updateScheduled_)
        return;
    updateScheduled_ = true;
    // Runs after the handlers of this turn of the event loop: any number of
    // window changes give one update.
    QTimer::singleShot(0, this, [this] {
        updateScheduled_ = false;
        update();
    });
}

void DockIconService::update() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyOrdinary = std::any_of(windows.begin(), windows.end(), isOrdinaryWindow);
    const Policy wanted = anyOrdinary ? Policy::regular : Policy::accessory;
    if (wanted == policy_)
        return;
    log_->info("Own windows %{public}s; active: %{bool}d; frontmost: %{public}s",
               wanted == Policy::regular ? "open" : "closed", isActive(), frontmost());
    policy_ = wanted;
}

void DockIconService::activeChanged(bool active) {
    log_->info("%{public}s; frontmost: %{public}s",
               active ? "ApplicationDidBecomeActive" : "ApplicationDidResignActive", frontmost());
}

bool DockIconService::isActive() const {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

QString DockIconService::frontmost() const {
    const QString name = focus_.activeApplicationName();
    return name.isEmpty() ? QStringLiteral("none") : name;
}

namespace {

// Activates one of our windows: the active one, else the last shown ordinary one.
void askToActivate(WindowFocus& focus) {
    QWidget* target = QApplication::activeWindow();
    if (!target) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows)
            if (DockIconService::isOrdinaryWindow(w) && w->isVisible())
                target = w;
    }
    if (!target)
        return;
    target->activateWindow();
    if (target->windowHandle())
        focus.activate(target->winId());
}

} // namespace

void DockIconService::activate() {
    log_->info("Activate requested; regular: %{bool}d; active: %{bool}d; frontmost: %{public}s",
               policy_ == Policy::regular, isActive(), frontmost());
    policy_ = Policy::regular;
    askToActivate(focus_);
    // The retry and its check are timers of this service: they end with it.
    QTimer::singleShot(200, this, [this] {
        if (!isActive()) {
            log_->info("Not active after 0.2 s; asking again. Frontmost: %{public}s", frontmost());
            askToActivate(focus_);
        }
        QTimer::singleShot(300, this, [this] {
            log_->info("0.5 s after activate; active: %{bool}d; frontmost: %{public}s", isActive(),
                       frontmost());
        });
    });
}

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
    // Through the window manager, as the user's own request, so focus-stealing
    // prevention does not keep it behind the program the user came from.
    focus_.activate(window->winId());

    QPointer<QWidget> watched(window);
    QTimer::singleShot(500, this, [this, watched] {
        if (!watched)
            return;
        log_->info("Window %{public}s 0.5 s later; key: %{bool}d; on current desktop: %{bool}d; "
                   "visible: %{bool}d; app active: %{bool}d; frontmost: %{public}s",
                   watched->windowTitle(), watched->isActiveWindow(), true, watched->isVisible(),
                   isActive(), frontmost());
    });
}

QWidget* DockIconService::frontWindow() const {
    const auto onScreen = [](const QWidget* w) { return isOrdinaryWindow(w) && !w->isMinimized(); };
    if (lastActive_ && onScreen(lastActive_))
        return lastActive_;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.begin(), windows.end(), onScreen);
    return it == windows.end() ? nullptr : *it;
}

QWidget* DockIconService::settingsWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isWindow() && !w->objectName().isEmpty() &&
            w->objectName().contains(QStringLiteral("Settings")))
            return w;
    return nullptr;
}
