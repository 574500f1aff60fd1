#pragma once

#include "app/CaptureMode.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <exception>
#include <memory>
#include <optional>

#include <qcoro/qcorosignal.h>
#include <qcoro/qcorotask.h>

class HotKey;
class HotKeyCenter;
class ToastWindow;

// Reading an image can take seconds. Once it has taken half a second, this
// shows a busy toast that offers Cancel, and Escape (taken from the desktop
// for as long as the toast is up) cancels too. A cancelled capture ends at
// once; the work goes on in the background and its result is dropped.
class CaptureProgress : public QObject {
    Q_OBJECT
public:
    CaptureProgress(ToastWindow& toast, HotKeyCenter& hotKeys,
                    std::chrono::milliseconds delay = std::chrono::milliseconds(500),
                    QObject* parent = nullptr);
    ~CaptureProgress() override;

    // The work's result, or none when the user cancelled first. Rethrows the
    // work's failure.
    template <typename T>
    QCoro::Task<std::optional<T>> untilCancelled(CaptureMode mode, QCoro::Task<T> work);

    void cancel();

Q_SIGNALS:
    // The work finished or the user cancelled.
    void settled();

private:
    template <typename T>
    struct Outcome {
        std::optional<T> value;
        std::exception_ptr failure;
        bool done = false;
    };
    template <typename T>
    static QCoro::Task<void> deliver(QCoro::Task<T> work, std::shared_ptr<Outcome<T>> outcome,
                                     QPointer<CaptureProgress> progress);

    void begin(CaptureMode mode);
    void end();
    void showBusy();

    ToastWindow& toast_;
    HotKeyCenter& hotKeys_;
    QTimer delay_;
    CaptureMode mode_ = CaptureMode::text;
    bool working_ = false;
    bool cancelled_ = false;
    std::unique_ptr<HotKey> escape_;
};

template <typename T>
QCoro::Task<void> CaptureProgress::deliver(QCoro::Task<T> work, std::shared_ptr<Outcome<T>> outcome,
                                           QPointer<CaptureProgress> progress) {
    try {
        outcome->value = co_await std::move(work);
    } catch (...) {
        outcome->failure = std::current_exception();
    }
    outcome->done = true;
    if (progress)
        Q_EMIT progress->settled();
}

template <typename T>
QCoro::Task<std::optional<T>> CaptureProgress::untilCancelled(CaptureMode mode,
                                                              QCoro::Task<T> work) {
    auto outcome = std::make_shared<Outcome<T>>();
    begin(mode);
    // Runs on by itself; whichever of it and a cancel comes first settles.
    deliver(std::move(work), outcome, QPointer<CaptureProgress>(this));
    // An earlier, cancelled work settling late wakes this one too: look again.
    while (!outcome->done && !cancelled_)
        co_await qCoro(this, &CaptureProgress::settled);
    const bool cancelled = cancelled_ && !outcome->done;
    end();
    if (cancelled)
        co_return std::nullopt;
    if (outcome->failure)
        std::rethrow_exception(outcome->failure);
    co_return std::move(outcome->value);
}
