#include "capture/SelectionOverlayController.h"

#include "capture/OverlayWindow.h"
#include "capture/ScreenFrames.h"
#include "capture/SelectionView.h"
#include "platform/Screens.h"
#include "platform/WindowFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

SelectionOverlayController::SelectionOverlayController(Screens& screens, ScreenFrames& frames,
                                                       WindowFocus& focus, QObject* parent)
    : QObject(parent)
    , screens_(screens)
    , frames_(frames)
    , focus_(focus) {}

SelectionOverlayController::~SelectionOverlayController() {
    for (auto& w : windows_)
        delete w.data();
    for (auto& w : held_)
        delete w.data();
    if (keyMonitor_)
        qApp->removeEventFilter(this);
}

QCoro::Task<std::optional<ScreenSelection>> SelectionOverlayController::select() {
    if (opening_ || continuation_ || !windows_.empty())
        co_return std::nullopt;
    release();
    opening_ = true;
    const bool shown = co_await present();
    opening_ = false;
    if (!shown)
        co_return std::nullopt;
    co_return co_await Awaiter{this};
}

QCoro::Task<bool> SelectionOverlayController::present() {
    previousWindow_.reset();
    const QList<DisplayInfo> displays = screens_.displays();
    co_await frames_.freeze(displays);
    screenWasUnreadable_ = !displays.isEmpty() && frames_.isEmpty();
    if (screenWasUnreadable_)
        co_return false;
    previousWindow_ = focus_.activeWindow();

    const QPoint pointer = screens_.pointerPosition();
    OverlayWindow* keyWindow = nullptr;
    for (const DisplayInfo& display : displays) {
        QImage frame = frames_.frame(display.id);
        frame.setDevicePixelRatio(display.geometry.width() > 0 && !frame.isNull()
                                      ? double(frame.width()) / display.geometry.width()
                                      : display.scale);
        const quint32 id = display.id;
        auto* view = new SelectionView(std::move(frame), [this, id](std::optional<QRectF> rect) {
            finish(rect ? std::optional(ScreenSelection{id, *rect}) : std::nullopt);
        });
        auto* window = new OverlayWindow(view);
        screens_.show(*window, display, Screens::Placement::cover);
        window->raise();
        windows_.emplace_back(window);
        if (!keyWindow && display.geometry.contains(pointer))
            keyWindow = window;
    }
    if (!keyWindow && !windows_.empty())
        keyWindow = windows_.front();
    if (keyWindow) {
        keyWindow->activateWindow();
        // Unmanaged windows get no focus from the window manager: take the keyboard.
        if (!OverlayWindow::isWindowedForDebugging())
            keyWindow->grabKeyboard();
    }
    qApp->installEventFilter(this);
    keyMonitor_ = true;
    co_return true;
}

bool SelectionOverlayController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        finish(std::nullopt);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SelectionOverlayController::release() {
    if (held_.empty())
        return;
    for (auto& window : held_) {
        if (!window)
            continue;
        window->hide();
        window->deleteLater();
    }
    held_.clear();
    if (previousWindow_) {
        if (*previousWindow_ != 0 && focus_.activeWindow() != *previousWindow_)
            focus_.activate(*previousWindow_);
        previousWindow_.reset();
    }
}

void SelectionOverlayController::finish(std::optional<ScreenSelection> selection) {
    if (selection && onSelected_ && continuation_)
        onSelected_();
    const bool hold = selection && holdOnSelection_ && continuation_;
    if (hold) {
        held_ = std::move(windows_);
        windows_.clear();
    }
    for (auto& window : windows_) {
        if (!window)
            continue;
        window->releaseKeyboard();
        window->hide();
        window->deleteLater(); // we may be inside one of its event handlers
    }
    windows_.clear();
    if (keyMonitor_) {
        qApp->removeEventFilter(this);
        keyMonitor_ = false;
    }
    if (!selection)
        frames_.clear();
    if (previousWindow_ && !hold) {
        if (*previousWindow_ != 0 && focus_.activeWindow() != *previousWindow_)
            focus_.activate(*previousWindow_);
        previousWindow_.reset();
    }
    if (auto handle = std::exchange(continuation_, nullptr)) {
        result_ = selection;
        // Resume from the event loop, not from inside the mouse handler that
        // ended the drag: the capture goes on after the windows are gone.
        QTimer::singleShot(0, this, [handle] { handle.resume(); });
    }
}
