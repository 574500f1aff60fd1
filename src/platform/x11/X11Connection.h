#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QList>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>

struct XcbFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, XcbFree>;
using XcbEvent = XcbReply<xcb_generic_event_t>;

// A connection to the X server of our own (not Qt's) with one invisible window
// that requests and owns selections. Used from one thread only.
//
// Waiting for a particular event hands every other event to the dispatcher, so
// a wait never starves requests other clients make of us meanwhile.
class X11Connection {
public:
    // Connects to $DISPLAY; isValid() tells whether that worked.
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    bool isValid() const;
    xcb_connection_t* xcb() const { return connection_; }
    xcb_window_t window() const { return window_; }
    int fileDescriptor() const;
    // What one request may carry, in bytes.
    quint32 maximumRequestBytes() const { return maximumRequestBytes_; }

    // Receives every event that no wait is looking for.
    void setDispatcher(std::function<void(const xcb_generic_event_t&)> dispatcher);

    xcb_atom_t atom(const QByteArray& name);
    // Interns all names with one round trip for those not cached yet.
    QList<xcb_atom_t> atoms(const QList<QByteArray>& names);
    // Names of the atoms, one round trip for those not cached; an empty name for
    // an atom the server does not know.
    QList<QByteArray> atomNames(const QList<xcb_atom_t>& atoms);

    // Who owns the selection now, asked of the server.
    xcb_window_t selectionOwner(xcb_atom_t selection);

    // Handles every event waiting on the socket or already queued by xcb.
    void dispatchPending();
    // The first event for which `wanted` holds, dispatching the others, or
    // nothing once the deadline passes or the connection breaks.
    XcbEvent waitForEvent(const std::function<bool(const xcb_generic_event_t&)>& wanted,
                          QDeadlineTimer deadline);
    // The server's current time, from the PropertyNotify of a zero-length
    // change on our window; XCB_CURRENT_TIME if the server does not answer in time.
    xcb_timestamp_t serverTime(QDeadlineTimer deadline);

private:
    void dispatch(const xcb_generic_event_t& event);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_NONE;
    quint32 maximumRequestBytes_ = 0;
    xcb_atom_t timeAtom_ = XCB_NONE;
    std::function<void(const xcb_generic_event_t&)> dispatcher_;
    QHash<QByteArray, xcb_atom_t> atomsByName_;
    QHash<xcb_atom_t, QByteArray> namesByAtom_;
};

// Event type without the bit that marks events sent by other clients.
inline quint8 eventType(const xcb_generic_event_t& event) {
    return event.response_type & 0x7f;
}
