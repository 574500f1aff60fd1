#pragma once

#include "capture/ScreenSelection.h"

#include <QObject>
#include <QPointer>

#include <coroutine>
#include <functional>
#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

class OverlayWindow;
class ScreenFrames;
class Screens;
class WindowFocus;

// Lets the user drag a rectangle over any display. One overlay window per
// display shows that display frozen and dimmed; a mouse-up on any of them,
// or Escape, ends the overlay on all.
class SelectionOverlayController : public QObject {
    Q_OBJECT
public:
    SelectionOverlayController(Screens& screens, ScreenFrames& frames, WindowFocus& focus,
                               QObject* parent = nullptr);
    ~SelectionOverlayController() override;

    // The selection, or none after Escape, a click or a tiny drag. While an
    // overlay is already shown, a second call yields none at once.
    QCoro::Task<std::optional<ScreenSelection>> select();
    // Ends the overlay and resumes the waiting select with the selection.
    void finish(std::optional<ScreenSelection> selection);

    bool isShown() const { return continuation_ != nullptr; }
    // Whether the last select() found no display it could read (the desktop
    // refused or failed) and so showed no overlay of black displays.
    bool screenWasUnreadable() const { return screenWasUnreadable_; }

    // Called the moment an area is selected, while the overlay still has the
    // keyboard: what the desktop gives only to the program in front (the
    // clipboard on Wayland) is read then.
    void setOnSelected(std::function<void()> handler) { onSelected_ = std::move(handler); }

    // With `hold`, a selection leaves the overlay on screen, keeping the
    // keyboard, until release(): where only the program in front may set the
    // clipboard, the text is put there first.
    void setHoldOnSelection(bool hold) { holdOnSelection_ = hold; }
    void release();
    bool isHeld() const { return !held_.empty(); }
    const std::vector<QPointer<OverlayWindow>>& windows() const { return windows_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Awaiter {
        SelectionOverlayController* controller;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) noexcept {
            controller->continuation_ = handle;
        }
        std::optional<ScreenSelection> await_resume() noexcept {
            return std::exchange(controller->result_, std::nullopt);
        }
    };

    // False when no display could be read: then nothing is shown.
    QCoro::Task<bool> present();

    Screens& screens_;
    ScreenFrames& frames_;
    WindowFocus& focus_;
    std::vector<QPointer<OverlayWindow>> windows_;
    std::coroutine_handle<> continuation_;
    std::optional<ScreenSelection> result_;
    std::function<void()> onSelected_;
    bool keyMonitor_ = false;
    bool opening_ = false; // the displays are being frozen
    bool screenWasUnreadable_ = false;
    bool holdOnSelection_ = false;
    std::vector<QPointer<OverlayWindow>> held_;
    std::optional<quint64> previousWindow_;
};
