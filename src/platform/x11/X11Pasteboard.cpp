#include "platform/x11/X11Pasteboard.h"

#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11TextTargets.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <future>
#include <memory>
#include <type_traits>

namespace {

// Whether Qt in this very process owns the clipboard: then reading it needs
// the main thread's event loop to answer.
bool qtOwnsClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::clipboard()->ownsClipboard();
}

} // namespace

template <typename Work>
auto X11Pasteboard::onClipboardThread(Work work, bool serveQtClipboard) {
    using Result = std::invoke_result_t<Work, X11Clipboard&>;
    auto promise = std::make_shared<std::promise<Result>>();
    std::future<Result> future = promise->get_future();
    QMetaObject::invokeMethod(
        clipboard_,
        [clipboard = clipboard_, promise, &work, serveQtClipboard] {
            if constexpr (std::is_void_v<Result>) {
                work(*clipboard);
                promise->set_value();
            } else {
                promise->set_value(work(*clipboard));
            }
            if (serveQtClipboard) // wakes the main thread's loop below
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    if (serveQtClipboard) {
        // User input waits, so nothing the user does runs in between.
        while (future.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
    }
    return future.get();
}

X11Pasteboard::X11Pasteboard(const Log& log, X11ReadLimits limits)
    : log_(log)
    , clipboard_(new X11Clipboard(limits)) {
    connected_ = clipboard_->isConnected();
    if (!connected_)
        log_.info("No X display: the clipboard is not available");
    thread_.setObjectName(QStringLiteral("clipboard"));
    clipboard_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, clipboard_, &QObject::deleteLater);
    thread_.start();
    // The socket notifier must be made on the thread that watches it.
    onClipboardThread([](X11Clipboard& c) { c.start(); });
}

X11Pasteboard::~X11Pasteboard() {
    // What we own would vanish with our connection. A local manager copies
    // even a large image well within the wait.
    if (connected_)
        onClipboardThread([](X11Clipboard& c) { c.handOverToClipboardManager(2000); });
    thread_.quit();
    thread_.wait();
}

QList<PasteboardItem> X11Pasteboard::items() {
    if (!connected_)
        return {};
    QElapsedTimer timer;
    timer.start();
    lastRead_ = onClipboardThread([](X11Clipboard& c) { return c.read(); }, qtOwnsClipboard());
    if (lastRead_.timedOut)
        log_.info("The clipboard's owner did not answer in time (%ld ms); kept %ld formats",
                  timer.elapsed(), lastRead_.item.size());
    if (!lastRead_.failedTargets.isEmpty())
        log_.info("Clipboard formats left out: %{public}s",
                  QString::fromLatin1(lastRead_.failedTargets.join(", ")));
    if (lastRead_.item.isEmpty())
        return {};
    return {lastRead_.item};
}

void X11Pasteboard::own(const PasteboardItem& offers) {
    if (!connected_)
        return;
    if (!onClipboardThread([&offers](X11Clipboard& c) { return c.own(offers); }))
        log_.info("Could not take the clipboard");
}

void X11Pasteboard::clearContents() {
    own({});
}

void X11Pasteboard::setString(const QString& text) {
    own(X11TextTargets::forText(text));
}

void X11Pasteboard::writeItems(const QList<PasteboardItem>& items) {
    // One X selection holds one item: the others' types join the first's,
    // where the first does not have them already.
    PasteboardItem merged;
    for (const PasteboardItem& item : items)
        merged.append(item);
    own(merged);
}
