#include "platform/x11/X11Clipboard.h"

#include <QSocketNotifier>
#include <QTimer>

X11Clipboard::X11Clipboard(X11ReadLimits limits)
    : limits_(limits) {
    if (!connection_.isValid())
        return;
    clipboardAtom_ = connection_.atom("CLIPBOARD");
    owner_ = std::make_unique<X11SelectionOwner>(connection_, clipboardAtom_);
    reader_ = std::make_unique<X11SelectionReader>(connection_);
    connection_.setDispatcher([this](const xcb_generic_event_t& event) { dispatch(event); });
}

X11Clipboard::~X11Clipboard() = default;

void X11Clipboard::start() {
    if (!connection_.isValid() || notifier_)
        return;
    notifier_ = new QSocketNotifier(connection_.fileDescriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &X11Clipboard::processEvents);
    transferTimer_ = new QTimer(this);
    transferTimer_->setInterval(1000);
    connect(transferTimer_, &QTimer::timeout, this, [this] {
        owner_->expireTransfers();
        watchTransfers();
    });
    processEvents();
}

X11ReadResult X11Clipboard::read() {
    if (!connection_.isValid())
        return {};
    // Ask the server rather than trust our flag: a SelectionClear may still
    // be unread in the socket.
    const xcb_window_t owner = connection_.selectionOwner(clipboardAtom_);
    X11ReadResult result;
    if (owner == connection_.window())
        result.item = owner_->offers();
    else if (owner != XCB_NONE)
        result = reader_->read(clipboardAtom_, limits_);
    // Replies may have pulled events into xcb's queue, where the socket
    // notifier cannot see them.
    processEvents();
    return result;
}

bool X11Clipboard::own(const PasteboardItem& offers) {
    if (!connection_.isValid())
        return false;
    const bool owned = owner_->own(offers);
    processEvents();
    return owned;
}

bool X11Clipboard::handOverToClipboardManager(int timeoutMs) {
    if (!connection_.isValid() ||
        connection_.selectionOwner(clipboardAtom_) != connection_.window())
        return false;
    const QList<xcb_atom_t> atoms = connection_.atoms({"CLIPBOARD_MANAGER", "SAVE_TARGETS"});
    if (connection_.selectionOwner(atoms[0]) == XCB_NONE)
        return false;
    // No property: the manager saves every target. It reads them from us
    // before it answers, so waiting here must keep serving requests.
    const xcb_window_t window = connection_.window();
    xcb_convert_selection(connection_.xcb(), window, atoms[0], atoms[1], XCB_NONE,
                          XCB_CURRENT_TIME);
    const XcbEvent answer = connection_.waitForEvent(
        [&](const xcb_generic_event_t& e) {
            if (eventType(e) != XCB_SELECTION_NOTIFY)
                return false;
            const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(e);
            return notify.requestor == window && notify.selection == atoms[0] &&
                   notify.target == atoms[1];
        },
        QDeadlineTimer(timeoutMs));
    processEvents();
    return answer != nullptr;
}

void X11Clipboard::processEvents() {
    connection_.dispatchPending();
    if (!connection_.isValid() && notifier_)
        notifier_->setEnabled(false); // the server went away; nothing more will come
    watchTransfers();
}

void X11Clipboard::watchTransfers() {
    if (owner_ && transferTimer_ && owner_->hasTransfers() != transferTimer_->isActive()) {
        if (owner_->hasTransfers())
            transferTimer_->start();
        else
            transferTimer_->stop();
    }
}

void X11Clipboard::dispatch(const xcb_generic_event_t& event) {
    switch (eventType(event)) {
    case XCB_SELECTION_REQUEST:
        owner_->handleSelectionRequest(
            reinterpret_cast<const xcb_selection_request_event_t&>(event));
        break;
    case XCB_SELECTION_CLEAR:
        owner_->handleSelectionClear(reinterpret_cast<const xcb_selection_clear_event_t&>(event));
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if (notify.window != connection_.window())
            owner_->handlePropertyNotify(notify);
        break;
    }
    default:
        // Errors from requests whose answer we do not wait for (a requestor
        // window that vanished mid-transfer) and answers that came too late.
        break;
    }
}
