#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>

namespace TestAsync {

// Spins the event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Runs a task to its end on the event loop and returns its value.
template <typename T>
T run(QCoro::Task<T> task, std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::optional<T> result;
    std::exception_ptr error;
    bool done = false;
    task.then(
        [&](T value) {
            result.emplace(std::move(value));
            done = true;
        },
        [&](const std::exception& e) {
            error = std::make_exception_ptr(std::runtime_error(e.what()));
            done = true;
        });
    if (!waitUntil([&] { return done; }, timeout))
        throw std::runtime_error("task did not finish in time");
    if (error)
        std::rethrow_exception(error);
    return std::move(*result);
}

inline void run(QCoro::Task<void> task,
                std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::exception_ptr error;
    bool done = false;
    task.then([&]() { done = true; },
              [&](const std::exception& e) {
                  error = std::make_exception_ptr(std::runtime_error(e.what()));
                  done = true;
              });
    if (!waitUntil([&] { return done; }, timeout))
        throw std::runtime_error("task did not finish in time");
    if (error)
        std::rethrow_exception(error);
}

} // namespace TestAsync
