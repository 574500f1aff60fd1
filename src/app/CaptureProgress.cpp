#include "app/CaptureProgress.h"

#include "KeyBindings/HotKey.h"
#include "KeyBindings/HotKeyCenter.h"
#include "output/ToastWindow.h"

CaptureProgress::CaptureProgress(ToastWindow& toast, HotKeyCenter& hotKeys,
                                 std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent)
    , toast_(toast)
    , hotKeys_(hotKeys) {
    delay_.setSingleShot(true);
    delay_.setInterval(delay);
    connect(&delay_, &QTimer::timeout, this, &CaptureProgress::showBusy);
}

CaptureProgress::~CaptureProgress() = default;

void CaptureProgress::begin(CaptureMode mode) {
    mode_ = mode;
    working_ = true;
    cancelled_ = false;
    delay_.start();
}

void CaptureProgress::end() {
    working_ = false;
    delay_.stop();
    escape_.reset();
    if (toast_.isBusy())
        toast_.hide();
}

void CaptureProgress::cancel() {
    if (!working_ || cancelled_)
        return;
    cancelled_ = true;
    Q_EMIT settled();
}

void CaptureProgress::showBusy() {
    // From the event loop, not from inside the key grab's or the button's handler.
    const auto cancelLater = [self = QPointer<CaptureProgress>(this)] {
        QTimer::singleShot(0, self, [self] {
            if (self)
                self->cancel();
        });
    };
    // Escape is the user's at every other moment; only while the toast is up
    // does it cancel, wherever the keyboard is.
    escape_ = std::make_unique<HotKey>(hotKeys_, Shortcut(Key::escape.rawValue, 0), cancelLater,
                                       HotKey::Action());
    if (!hotKeys_.registerHotKey(*escape_))
        escape_.reset(); // another program holds it: the button still cancels
    const QString message = mode_ == CaptureMode::barcode ? tr("Looking for codes\u2026")
                                                          : tr("Reading the text\u2026");
    const std::optional<QString> detail =
        escape_ ? std::optional(tr("Press Escape to cancel.")) : std::nullopt;
    toast_.showBusy(message, detail, {{tr("Cancel"), cancelLater}});
}
