#pragma once

#include "platform/TextRecognizer.h"
#include "platform/recognition/TesseractEngine.h"

#include <QFuture>
#include <QPromise>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// A thread of its own with the Tesseract engines it made. Engines never leave
// their thread; work comes in as jobs and results go out as futures, which a
// coroutine awaits on its own thread. Starting an engine costs about 80 ms, so
// the worker keeps the few it used last (keyed by packs and custom words),
// and lets them go when it has been idle for a while: each holds about 10 MB.
class TesseractWorker {
public:
    // darkOnLight: the images read will all be dark text on light (see TesseractEngine).
    TesseractWorker(QString dataPath, bool darkOnLight);
    // Lets the running job finish (it should watch the stop flag it was given)
    // and fails the jobs still waiting.
    ~TesseractWorker();
    TesseractWorker(const TesseractWorker&) = delete;
    TesseractWorker& operator=(const TesseractWorker&) = delete;

    // The engine for these packs and words, made on first use. Only for jobs.
    TesseractEngine& engine(const QStringList& packs, const QStringList& customWords);

    // Runs job(*this) on the worker's thread. Exceptions travel in the future.
    template <typename Job>
    auto run(Job job) -> QFuture<std::invoke_result_t<Job, TesseractWorker&>> {
        using T = std::invoke_result_t<Job, TesseractWorker&>;
        auto promise = std::make_shared<QPromise<T>>();
        QFuture<T> future = promise->future();
        promise->start();
        enqueue([promise, job = std::move(job)](TesseractWorker* worker) mutable {
            try {
                if (!worker)
                    throw RecognitionError(QStringLiteral("Text recognition was stopped."));
                promise->addResult(job(*worker));
            } catch (...) {
                promise->setException(std::current_exception());
            }
            promise->finish();
        });
        return future;
    }

    // Automatic detection alone may use three (English, another script, the
    // identified language with English).
    static constexpr size_t cachedEngines = 6;
    static constexpr std::chrono::minutes idleRelease{10};

private:
    void enqueue(std::function<void(TesseractWorker*)> job);
    void loop();

    const QString dataPath_;
    const bool darkOnLight_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void(TesseractWorker*)>> jobs_;
    bool stopping_ = false;
    // Used on the worker's thread only, most recently used last.
    std::deque<std::pair<QString, std::unique_ptr<TesseractEngine>>> engines_;
    std::thread thread_;
};
