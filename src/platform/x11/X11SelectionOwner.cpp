#include "platform/x11/X11SelectionOwner.h"

#include <algorithm>
#include <cstring>

namespace {

// A requestor that has not taken the next piece for this long is gone or stuck.
constexpr int transferStallMs = 5000;
constexpr qsizetype maxTransfers = 64;
constexpr quint32 maxMultiplePairs = 1024;
// Pieces stay well below what BIG-REQUESTS allows: clients that read a
// property with one fixed-size GetProperty, and the server's memory, cope
// better with many small pieces than with one of several megabytes.
constexpr qsizetype maxPieceBytes = 256 * 1024;

bool validFormat(int format, qsizetype size) {
    return (format == 8 || format == 16 || format == 32) && size % (format / 8) == 0;
}

} // namespace

X11SelectionOwner::X11SelectionOwner(X11Connection& connection, xcb_atom_t selection)
    : connection_(connection)
    , selection_(selection) {
    const QList<xcb_atom_t> atoms = connection_.atoms({"TARGETS", "TIMESTAMP", "MULTIPLE", "INCR"});
    targetsAtom_ = atoms[0];
    timestampAtom_ = atoms[1];
    multipleAtom_ = atoms[2];
    incrAtom_ = atoms[3];
    // The ChangeProperty header takes 24 bytes; pieces stay whole 32-bit units.
    const qsizetype requestRoom = qsizetype(connection_.maximumRequestBytes()) - 64;
    pieceBytes_ = std::max<qsizetype>(std::min(requestRoom, maxPieceBytes) & ~qsizetype(3), 4);
}

bool X11SelectionOwner::own(const PasteboardItem& offers) {
    QList<QByteArray> names;
    for (const PasteboardRepresentation& r : offers) {
        names.append(r.type.toLatin1());
        names.append((r.propertyType.isEmpty() ? r.type : r.propertyType).toLatin1());
    }
    const QList<xcb_atom_t> atoms = connection_.atoms(names);
    offers_.clear();
    for (qsizetype i = 0; i < offers.size(); ++i) {
        const xcb_atom_t target = atoms[2 * i];
        const bool answeredByUs =
            target == targetsAtom_ || target == timestampAtom_ || target == multipleAtom_;
        const bool duplicate = std::any_of(offers_.cbegin(), offers_.cend(),
                                           [&](const Offer& o) { return o.target == target; });
        if (target == XCB_NONE || atoms[2 * i + 1] == XCB_NONE || answeredByUs || duplicate)
            continue;
        const PasteboardRepresentation& r = offers[i];
        // Bytes that do not fill whole 16- or 32-bit units can only go out as bytes.
        const quint8 format = validFormat(r.format, r.data.size()) ? quint8(r.format) : 8;
        offers_.append(Offer{r, target, atoms[2 * i + 1], format});
    }

    // A real timestamp, not CurrentTime, so that requests and clears can be
    // ordered against our ownership, and TIMESTAMP has an answer.
    const xcb_timestamp_t time = connection_.serverTime(QDeadlineTimer(500));
    xcb_set_selection_owner(connection_.xcb(), connection_.window(), selection_, time);
    owning_ = connection_.selectionOwner(selection_) == connection_.window();
    ownedSince_ = time;
    if (!owning_)
        offers_.clear();
    return owning_;
}

PasteboardItem X11SelectionOwner::offers() const {
    PasteboardItem item;
    for (const Offer& offer : offers_)
        item.append(offer.representation);
    return item;
}

void X11SelectionOwner::handleSelectionClear(const xcb_selection_clear_event_t& clear) {
    if (clear.owner != connection_.window() || clear.selection != selection_ || !owning_)
        return;
    // A clear from before we took the selection again is stale.
    if (connection_.selectionOwner(selection_) == connection_.window())
        return;
    owning_ = false;
    offers_.clear();
}

void X11SelectionOwner::handleSelectionRequest(const xcb_selection_request_event_t& request) {
    // Requestors from before ICCCM 2 name no property: the target serves as one.
    const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    bool done = false;
    if (owning_ && request.owner == connection_.window() && request.selection == selection_) {
        if (request.target == multipleAtom_)
            done = request.property != XCB_NONE &&
                   convertMultiple(request.requestor, request.property);
        else
            done = convert(request.requestor, request.target, property);
    }
    notify(request, done ? property : XCB_NONE);
}

bool X11SelectionOwner::convert(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property) {
    xcb_connection_t* c = connection_.xcb();
    // A requestor that reuses a property gave up on the transfer that used it;
    // its deleting the new answer must not fetch a piece of the old one.
    for (qsizetype i = transfers_.size() - 1; i >= 0; --i)
        if (transfers_[i].requestor == requestor && transfers_[i].property == property)
            removeTransfer(i);
    if (target == targetsAtom_) {
        QList<xcb_atom_t> targets{targetsAtom_, timestampAtom_, multipleAtom_};
        for (const Offer& offer : offers_)
            targets.append(offer.target);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                            quint32(targets.size()), targets.constData());
        return true;
    }
    if (target == timestampAtom_) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &ownedSince_);
        return true;
    }
    const auto offer = std::find_if(offers_.cbegin(), offers_.cend(),
                                    [&](const Offer& o) { return o.target == target; });
    if (offer == offers_.cend())
        return false;
    const QByteArray& data = offer->representation.data;
    if (data.size() > pieceBytes_)
        return startTransfer(requestor, property, *offer);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, offer->type, offer->format,
                        quint32(data.size() / (offer->format / 8)), data.constData());
    return true;
}

bool X11SelectionOwner::convertMultiple(xcb_window_t requestor, xcb_atom_t property) {
    xcb_connection_t* c = connection_.xcb();
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, requestor, property,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, maxMultiplePairs * 2),
                               nullptr));
    if (!reply || reply->format != 32 || reply->type == XCB_NONE)
        return false;
    const int length = xcb_get_property_value_length(reply.get());
    QList<xcb_atom_t> pairs(length / 8 * 2);
    std::memcpy(pairs.data(), xcb_get_property_value(reply.get()),
                size_t(pairs.size()) * sizeof(xcb_atom_t));
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        const xcb_atom_t target = pairs[i];
        xcb_atom_t& pairProperty = pairs[i + 1];
        if (pairProperty == XCB_NONE || target == multipleAtom_ ||
            !convert(requestor, target, pairProperty))
            pairProperty = XCB_NONE; // tells the requestor this one failed
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, reply->type, 32,
                        quint32(pairs.size()), pairs.constData());
    return true;
}

bool X11SelectionOwner::startTransfer(xcb_window_t requestor, xcb_atom_t property,
                                      const Offer& offer) {
    xcb_connection_t* c = connection_.xcb();
    if (transfers_.size() >= maxTransfers)
        return false;
    // The requestor deleting the property is the signal for each next piece.
    const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, requestor, XCB_CW_EVENT_MASK, &mask);
    const auto size = quint32(offer.representation.data.size());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, requestor, property, incrAtom_, 32, 1, &size);
    transfers_.append(Transfer{requestor, property, offer.type, offer.format,
                               offer.representation.data, 0, QDeadlineTimer(transferStallMs)});
    return true;
}

void X11SelectionOwner::handlePropertyNotify(const xcb_property_notify_event_t& notify) {
    if (notify.state != XCB_PROPERTY_DELETE)
        return;
    for (qsizetype i = 0; i < transfers_.size(); ++i) {
        if (transfers_[i].requestor == notify.window && transfers_[i].property == notify.atom) {
            sendNextPiece(i);
            return;
        }
    }
}

void X11SelectionOwner::sendNextPiece(qsizetype index) {
    Transfer& t = transfers_[index];
    const qsizetype size = std::min(pieceBytes_, t.data.size() - t.offset);
    // The last piece is empty and ends the transfer.
    xcb_change_property(connection_.xcb(), XCB_PROP_MODE_REPLACE, t.requestor, t.property, t.type,
                        t.format, quint32(size / (t.format / 8)), t.data.constData() + t.offset);
    if (size == 0) {
        removeTransfer(index);
        return;
    }
    t.offset += size;
    t.expiry = QDeadlineTimer(transferStallMs);
}

void X11SelectionOwner::removeTransfer(qsizetype index) {
    const xcb_window_t requestor = transfers_[index].requestor;
    transfers_.removeAt(index);
    const bool stillWatched =
        std::any_of(transfers_.cbegin(), transfers_.cend(),
                    [&](const Transfer& t) { return t.requestor == requestor; });
    if (!stillWatched) {
        const quint32 none = XCB_EVENT_MASK_NO_EVENT;
        xcb_change_window_attributes(connection_.xcb(), requestor, XCB_CW_EVENT_MASK, &none);
    }
}

void X11SelectionOwner::expireTransfers() {
    for (qsizetype i = transfers_.size() - 1; i >= 0; --i)
        if (transfers_[i].expiry.hasExpired())
            removeTransfer(i);
}

void X11SelectionOwner::notify(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    // xcb_send_event always sends 32 bytes, more than the event's struct holds.
    union {
        xcb_selection_notify_event_t event;
        char bytes[32];
    } buffer;
    std::memset(&buffer, 0, sizeof buffer);
    buffer.event.response_type = XCB_SELECTION_NOTIFY;
    buffer.event.time = request.time;
    buffer.event.requestor = request.requestor;
    buffer.event.selection = request.selection;
    buffer.event.target = request.target;
    buffer.event.property = property;
    xcb_send_event(connection_.xcb(), 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, buffer.bytes);
}
