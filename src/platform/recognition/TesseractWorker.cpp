#include "platform/recognition/TesseractWorker.h"

#include <dlfcn.h>

namespace {

// Debian's Tesseract runs parts of its recogniser in OpenMP teams, and on
// these small shared machines one thread was four times faster than two.
// OMP_THREAD_LIMIT does not help from inside the program: the OpenMP runtime
// reads it once when it is loaded, before main. So each worker thread turns
// its own parallel regions off instead, by allowing no active parallel level.
// The runtime is found at run time so that a Tesseract built without OpenMP
// needs nothing.
void runOpenMpSerially() {
    using SetLevels = void (*)(int);
    if (auto set = reinterpret_cast<SetLevels>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels")))
        set(0);
}

QString engineKey(const QStringList& packs, const QStringList& customWords) {
    return packs.join(u'+') + u'\n' + customWords.join(u'\n');
}

} // namespace

TesseractWorker::TesseractWorker(QString dataPath, bool darkOnLight)
    : dataPath_(std::move(dataPath))
    , darkOnLight_(darkOnLight)
    , thread_([this] { loop(); }) {}

TesseractWorker::~TesseractWorker() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

TesseractEngine& TesseractWorker::engine(const QStringList& packs, const QStringList& customWords) {
    const QString key = engineKey(packs, customWords);
    for (auto it = engines_.begin(); it != engines_.end(); ++it) {
        if (it->first == key) {
            auto entry = std::move(*it);
            engines_.erase(it);
            engines_.push_back(std::move(entry));
            return *engines_.back().second;
        }
    }
    auto engine = std::make_unique<TesseractEngine>(dataPath_, darkOnLight_, packs, customWords);
    if (engines_.size() >= cachedEngines)
        engines_.pop_front();
    engines_.emplace_back(key, std::move(engine));
    return *engines_.back().second;
}

void TesseractWorker::enqueue(std::function<void(TesseractWorker*)> job) {
    {
        const std::lock_guard lock(mutex_);
        if (!stopping_) {
            jobs_.push_back(std::move(job));
            job = nullptr;
        }
    }
    if (job)
        job(nullptr);
    else
        wake_.notify_one();
}

void TesseractWorker::loop() {
    runOpenMpSerially();
    for (;;) {
        std::function<void(TesseractWorker*)> job;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait_for(lock, idleRelease,
                                [this] { return stopping_ || !jobs_.empty(); })) {
                lock.unlock();
                engines_.clear();
                continue;
            }
            if (stopping_)
                break;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job(this);
    }
    // Jobs that never ran fail, so that nobody waits for them forever.
    std::deque<std::function<void(TesseractWorker*)>> left;
    {
        const std::lock_guard lock(mutex_);
        left.swap(jobs_);
    }
    for (auto& job : left)
        job(nullptr);
    engines_.clear();
}
