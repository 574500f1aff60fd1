#include "TestOwner.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>

namespace {

constexpr qsizetype pieceBytes = 64 * 1024;

xcb_atom_t intern(xcb_connection_t* c, const QByteArray& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, quint16(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

xcb_window_t currentOwner(xcb_connection_t* c, xcb_atom_t selection) {
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const xcb_window_t owner = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    return owner;
}

std::optional<QByteArray> readProperty(xcb_connection_t* c, xcb_window_t window,
                                       xcb_atom_t property, bool remove = false) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, remove, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20),
        nullptr);
    std::optional<QByteArray> data;
    if (reply && reply->type != XCB_NONE)
        data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
    std::free(reply);
    return data;
}

// Waits for the owner's SelectionNotify and gives the property it names:
// None when it refused, or did not answer within about ten seconds.
xcb_atom_t awaitSelectionNotify(xcb_connection_t* c, const std::atomic<bool>& stop) {
    for (int round = 0; round < 500 && !stop; ++round) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const bool notify = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
            const xcb_atom_t property =
                reinterpret_cast<xcb_selection_notify_event_t*>(event)->property;
            std::free(event);
            if (notify)
                return property;
        }
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, 20);
    }
    return XCB_NONE;
}

// A connection with an invisible window of its own.
std::pair<xcb_connection_t*, xcb_window_t> connectWithWindow() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return {c, XCB_NONE};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    return {c, window};
}

} // namespace

TestOwner::TestOwner(QList<Target> targets, Mode mode, QList<xcb_atom_t> extraTargetAtoms)
    : targets_(std::move(targets))
    , mode_(mode)
    , extraTargetAtoms_(std::move(extraTargetAtoms)) {
    std::tie(c_, window_) = connectWithWindow();
    if (!window_)
        return;
    clipboard_ = intern(c_, "CLIPBOARD");
    targetsAtom_ = intern(c_, "TARGETS");
    incr_ = intern(c_, "INCR");
    saveTargets_ = intern(c_, "SAVE_TARGETS");
    for (const Target& t : targets_) {
        targetAtoms_.append(intern(c_, t.name));
        typeAtoms_.append(intern(c_, t.type.isEmpty() ? t.name : t.type));
    }
    const xcb_atom_t selection =
        mode_ == Mode::ClipboardManager ? intern(c_, "CLIPBOARD_MANAGER") : clipboard_;
    xcb_set_selection_owner(c_, window_, selection, XCB_CURRENT_TIME);
    owns_ = currentOwner(c_, selection) == window_;
    thread_ = std::thread([this] { serve(); });
}

TestOwner::~TestOwner() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    xcb_disconnect(c_);
}

void TestOwner::clearSelection() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_set_selection_owner(c, XCB_NONE, intern(c, "CLIPBOARD"), XCB_CURRENT_TIME);
    currentOwner(c, XCB_NONE); // a round trip: the change is done when this returns
    xcb_disconnect(c);
}

QByteArray TestOwner::saved() const {
    std::lock_guard lock(mutex_);
    return saved_;
}

QByteArray TestOwner::readClipboardText() {
    const xcb_atom_t property = intern(c_, "SAVED");
    xcb_convert_selection(c_, window_, clipboard_, intern(c_, "UTF8_STRING"), property,
                          XCB_CURRENT_TIME);
    xcb_flush(c_);
    awaitSelectionNotify(c_, stop_);
    return readProperty(c_, window_, property, true).value_or(QByteArray());
}

QList<std::optional<QByteArray>> TestOwner::requestMultiple(const QList<QByteArray>& targets) {
    const auto [c, window] = connectWithWindow();
    QList<xcb_atom_t> pairs;
    for (qsizetype i = 0; i < targets.size(); ++i)
        pairs << intern(c, targets[i]) << intern(c, "PAIR_" + QByteArray::number(i));
    const xcb_atom_t list = intern(c, "PAIRS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, list, intern(c, "ATOM_PAIR"), 32,
                        quint32(pairs.size()), pairs.constData());
    xcb_convert_selection(c, window, intern(c, "CLIPBOARD"), intern(c, "MULTIPLE"), list,
                          XCB_CURRENT_TIME);
    xcb_flush(c);
    QList<std::optional<QByteArray>> result;
    const std::atomic<bool> never{false};
    if (awaitSelectionNotify(c, never) == list) {
        // The owner writes None over the property of each pair it could not convert.
        const QByteArray answered = readProperty(c, window, list).value_or(QByteArray());
        for (qsizetype i = 0; i < targets.size(); ++i) {
            xcb_atom_t p = XCB_NONE;
            if ((i * 2 + 2) * 4 <= answered.size())
                std::memcpy(&p, answered.constData() + (i * 2 + 1) * 4, 4);
            result.append(p == XCB_NONE ? std::nullopt : readProperty(c, window, p));
        }
    }
    xcb_disconnect(c);
    return result;
}

void TestOwner::serve() {
    while (!stop_) {
        pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
        poll(&fd, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
            const quint8 type = event->response_type & 0x7f;
            if (type == XCB_SELECTION_REQUEST) {
                answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            } else if (type == XCB_PROPERTY_NOTIFY) {
                const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (notify->state == XCB_PROPERTY_DELETE)
                    sendPiece(notify->window, notify->atom);
            }
            std::free(event);
        }
        xcb_flush(c_);
    }
}

void TestOwner::answer(const xcb_selection_request_event_t& request) {
    xcb_atom_t property = request.property;
    if (mode_ == Mode::ClipboardManager) {
        const QByteArray text = request.target == saveTargets_ ? readClipboardText() : QByteArray();
        std::lock_guard lock(mutex_);
        saved_ = text;
    } else if (request.target == targetsAtom_ && !targetAtoms_.contains(targetsAtom_)) {
        QList<xcb_atom_t> atoms = targetAtoms_ + extraTargetAtoms_;
        atoms.prepend(targetsAtom_);
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM,
                            32, quint32(atoms.size()), atoms.constData());
    } else {
        const qsizetype i = targetAtoms_.indexOf(request.target);
        const Answer how = i < 0 ? Answer::Refuse : targets_[i].answer;
        if (how == Answer::Ignore)
            return;
        if (how == Answer::Refuse) {
            property = XCB_NONE;
        } else if (how == Answer::Data) {
            const Target& t = targets_[i];
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                typeAtoms_[i], quint8(t.format),
                                quint32(t.data.size() / (t.format / 8)), t.data.constData());
        } else {
            const quint32 events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(c_, request.requestor, XCB_CW_EVENT_MASK, &events);
            const auto size = quint32(targets_[i].data.size());
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, incr_, 32,
                                1, &size);
            transfer_ = Piecewise{request.requestor, property, i, 0};
        }
    }
    const xcb_selection_notify_event_t notify{
        XCB_SELECTION_NOTIFY, 0,       0, request.time, request.requestor, request.selection,
        request.target,       property};
    xcb_send_event(c_, 0, request.requestor, 0, reinterpret_cast<const char*>(&notify));
}

void TestOwner::sendPiece(xcb_window_t requestor, xcb_atom_t property) {
    if (!transfer_ || transfer_->requestor != requestor || transfer_->property != property)
        return;
    const Target& t = targets_[transfer_->target];
    const qsizetype offset = t.answer == Answer::EndlessIncr ? 0 : transfer_->offset;
    const qsizetype size = std::min(pieceBytes, t.data.size() - offset);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor, property,
                        typeAtoms_[transfer_->target], quint8(t.format),
                        quint32(size / (t.format / 8)), t.data.constData() + offset);
    transfer_->offset += size;
    if (size == 0)
        transfer_.reset();
}
