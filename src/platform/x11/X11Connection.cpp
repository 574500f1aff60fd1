#include "platform/x11/X11Connection.h"

#include <poll.h>

#include <algorithm>

X11Connection::X11Connection() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return;
    const xcb_screen_t* screen = screens.data;

    // Never mapped: it exists only to name us in selection traffic and to
    // receive the properties other clients write for us.
    window_ = xcb_generate_id(connection_);
    const quint32 values[] = {XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, values);
    const QByteArray title = "Inkharbor clipboard";
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, quint32(title.size()), title.constData());

    // Enables BIG-REQUESTS where the server has it; the answer is in 4-byte units.
    maximumRequestBytes_ = xcb_get_maximum_request_length(connection_) * 4;
    timeAtom_ = atom("_INKHARBOR_TIMESTAMP");
}

X11Connection::~X11Connection() {
    if (connection_)
        xcb_disconnect(connection_);
}

bool X11Connection::isValid() const {
    return connection_ && window_ != XCB_NONE && !xcb_connection_has_error(connection_);
}

int X11Connection::fileDescriptor() const {
    return isValid() ? xcb_get_file_descriptor(connection_) : -1;
}

void X11Connection::setDispatcher(std::function<void(const xcb_generic_event_t&)> dispatcher) {
    dispatcher_ = std::move(dispatcher);
}

xcb_atom_t X11Connection::atom(const QByteArray& name) {
    return atoms({name}).value(0, XCB_NONE);
}

QList<xcb_atom_t> X11Connection::atoms(const QList<QByteArray>& names) {
    QList<xcb_intern_atom_cookie_t> cookies;
    QList<QByteArray> missing;
    for (const QByteArray& name : names) {
        if (atomsByName_.contains(name) || missing.contains(name))
            continue;
        missing.append(name);
        cookies.append(xcb_intern_atom(
            connection_, 0, quint16(std::min<qsizetype>(name.size(), 0xffff)), name.constData()));
    }
    for (qsizetype i = 0; i < cookies.size(); ++i) {
        XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection_, cookies[i], nullptr));
        const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
        atomsByName_.insert(missing[i], atom);
        if (atom != XCB_NONE)
            namesByAtom_.insert(atom, missing[i]);
    }
    QList<xcb_atom_t> result;
    result.reserve(names.size());
    for (const QByteArray& name : names)
        result.append(atomsByName_.value(name, XCB_NONE));
    return result;
}

QList<QByteArray> X11Connection::atomNames(const QList<xcb_atom_t>& atoms) {
    QList<xcb_get_atom_name_cookie_t> cookies;
    QList<xcb_atom_t> missing;
    for (xcb_atom_t atom : atoms) {
        if (atom == XCB_NONE || namesByAtom_.contains(atom) || missing.contains(atom))
            continue;
        missing.append(atom);
        cookies.append(xcb_get_atom_name(connection_, atom));
    }
    for (qsizetype i = 0; i < cookies.size(); ++i) {
        xcb_generic_error_t* error = nullptr;
        XcbReply<xcb_get_atom_name_reply_t> reply(
            xcb_get_atom_name_reply(connection_, cookies[i], &error));
        std::free(error);
        if (!reply)
            continue; // an atom the server never had: leave it unnamed
        const QByteArray name(xcb_get_atom_name_name(reply.get()),
                              xcb_get_atom_name_name_length(reply.get()));
        namesByAtom_.insert(missing[i], name);
        atomsByName_.insert(name, missing[i]);
    }
    QList<QByteArray> result;
    result.reserve(atoms.size());
    for (xcb_atom_t atom : atoms)
        result.append(namesByAtom_.value(atom));
    return result;
}

xcb_window_t X11Connection::selectionOwner(xcb_atom_t selection) {
    if (!isValid())
        return XCB_NONE;
    XcbReply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, selection), nullptr));
    return reply ? reply->owner : XCB_NONE;
}

void X11Connection::dispatch(const xcb_generic_event_t& event) {
    if (dispatcher_)
        dispatcher_(event);
}

void X11Connection::dispatchPending() {
    if (!isValid())
        return;
    xcb_flush(connection_);
    while (XcbEvent event{xcb_poll_for_event(connection_)})
        dispatch(*event);
    // Answers to what was just dispatched must not wait for the next event.
    xcb_flush(connection_);
}

XcbEvent X11Connection::waitForEvent(const std::function<bool(const xcb_generic_event_t&)>& wanted,
                                     QDeadlineTimer deadline) {
    while (isValid()) {
        // Reads the socket as well as xcb's queue, which replies may have filled.
        while (XcbEvent event{xcb_poll_for_event(connection_)}) {
            if (wanted(*event))
                return event;
            dispatch(*event);
        }
        if (deadline.hasExpired())
            break;
        xcb_flush(connection_);
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        const qint64 remaining = deadline.remainingTime();
        poll(&fd, 1, int(std::clamp<qint64>(remaining, 0, 60'000)));
    }
    return nullptr;
}

xcb_timestamp_t X11Connection::serverTime(QDeadlineTimer deadline) {
    if (!isValid())
        return XCB_CURRENT_TIME;
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, timeAtom_, XCB_ATOM_INTEGER, 32,
                        0, nullptr);
    const XcbEvent event = waitForEvent(
        [this](const xcb_generic_event_t& e) {
            if (eventType(e) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(e);
            return notify.window == window_ && notify.atom == timeAtom_;
        },
        deadline);
    if (!event)
        return XCB_CURRENT_TIME;
    return reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
}
