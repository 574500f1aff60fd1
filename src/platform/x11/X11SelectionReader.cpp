#include "platform/x11/X11SelectionReader.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <limits>

X11SelectionReader::X11SelectionReader(X11Connection& connection)
    : connection_(connection) {
    const QList<xcb_atom_t> atoms =
        connection_.atoms({"INCR", "TARGETS", "_INKHARBOR_SELECTION_0", "_INKHARBOR_SELECTION_1",
                           "_INKHARBOR_SELECTION_2", "_INKHARBOR_SELECTION_3"});
    incrAtom_ = atoms[0];
    targetsAtom_ = atoms[1];
    properties_ = atoms.mid(2);
}

bool X11SelectionReader::isMetaTarget(const QByteArray& name) {
    static const QSet<QByteArray> meta{
        // the selection protocol itself and the targets with side effects
        "TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION",
        "INSERT_PROPERTY", "_QT_SELECTION",
        // facts about the owner and where its selection lies, not contents
        "LENGTH", "LIST_LENGTH", "CHARACTER_POSITION", "LINE_NUMBER", "COLUMN_NUMBER", "SPAN",
        "CLIENT_WINDOW", "PROCESS", "TASK", "HOST_NAME", "USER", "NAME", "CLASS", "OWNER_OS",
        "IP_ADDRESS", "DECNET_ADDRESS",
        // server resources of the owner, which vanish with it
        "PIXMAP", "BITMAP", "DRAWABLE", "COLORMAP", "FOREGROUND", "BACKGROUND"};
    return meta.contains(name);
}

QDeadlineTimer X11SelectionReader::Budget::next() const {
    const QDeadlineTimer silence(silenceMs);
    return silence.deadline() < total.deadline() ? silence : total;
}

X11ReadResult X11SelectionReader::read(xcb_atom_t selection, const X11ReadLimits& limits) {
    X11ReadResult result;
    Budget budget{QDeadlineTimer(limits.totalMs), limits.silenceMs, limits.maxTargetBytes};

    Property targets;
    bool incr = false;
    const Failure failure = convert(selection, targetsAtom_, budget, targets, incr);
    if (failure == Failure::TimedOut)
        result.timedOut = true;
    if (failure != Failure::None || targets.format != 32)
        return result;

    QList<xcb_atom_t> atoms;
    for (qsizetype offset = 0; offset + 4 <= targets.data.size(); offset += 4) {
        xcb_atom_t atom;
        std::memcpy(&atom, targets.data.constData() + offset, sizeof atom);
        if (atom != XCB_NONE && !atoms.contains(atom))
            atoms.append(atom);
        if (atoms.size() >= limits.maxTargets)
            break;
    }
    const QList<QByteArray> names = connection_.atomNames(atoms);

    qint64 totalBytes = 0;
    for (qsizetype i = 0; i < atoms.size(); ++i) {
        const QByteArray& name = names[i];
        if (name.isEmpty() || isMetaTarget(name))
            continue;
        if (budget.total.hasExpired()) {
            result.timedOut = true;
            result.failedTargets.append(name);
            continue;
        }
        budget.maxBytes = std::min(limits.maxTargetBytes, limits.maxTotalBytes - totalBytes);
        Property property;
        bool incremental = false;
        const Failure f = convert(selection, atoms[i], budget, property, incremental);
        if (f != Failure::None) {
            result.failedTargets.append(name);
            if (f == Failure::TimedOut && budget.total.hasExpired())
                result.timedOut = true;
            continue;
        }
        const QByteArray typeName = connection_.atomNames({property.type}).value(0);
        totalBytes += property.data.size();
        result.incrTransfers += incremental ? 1 : 0;
        result.item.append(PasteboardRepresentation{
            QString::fromLatin1(name), property.data,
            typeName == name ? QString() : QString::fromLatin1(typeName), property.format});
    }
    return result;
}

X11SelectionReader::Failure X11SelectionReader::convert(xcb_atom_t selection, xcb_atom_t target,
                                                        const Budget& budget, Property& result,
                                                        bool& incr) {
    const xcb_window_t window = connection_.window();
    xcb_convert_selection(connection_.xcb(), window, selection, target,
                          properties_[currentProperty_], XCB_CURRENT_TIME);
    const XcbEvent event = connection_.waitForEvent(
        [&](const xcb_generic_event_t& e) {
            if (eventType(e) != XCB_SELECTION_NOTIFY)
                return false;
            const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(e);
            // The target tells a late answer to an earlier conversion from this one.
            return notify.requestor == window && notify.selection == selection &&
                   notify.target == target;
        },
        budget.next());
    if (!event) {
        abandonProperty();
        return Failure::TimedOut;
    }
    const xcb_atom_t property =
        reinterpret_cast<const xcb_selection_notify_event_t*>(event.get())->property;
    if (property == XCB_NONE)
        return Failure::Refused;

    const Failure failure = readProperty(property, budget.maxBytes, result);
    if (failure != Failure::None || result.type != incrAtom_)
        return failure;
    incr = true;
    const Failure incrFailure = receiveIncrementally(property, budget, result);
    if (incrFailure != Failure::None)
        abandonProperty();
    return incrFailure;
}

void X11SelectionReader::abandonProperty() {
    // An owner we stopped listening to may still write into the property (a
    // late answer, or the next piece of a transfer we gave up); the next
    // conversions use another one so that its writes cannot mix with theirs.
    currentProperty_ = (currentProperty_ + 1) % properties_.size();
}

X11SelectionReader::Failure X11SelectionReader::readProperty(xcb_atom_t property, qint64 maxBytes,
                                                             Property& result) {
    xcb_connection_t* c = connection_.xcb();
    const xcb_window_t window = connection_.window();
    // Asking for at most the allowed size keeps a hostile owner's giant
    // property on the server; deletion happens only when everything was read.
    const auto units = quint32(std::clamp<qint64>((std::max<qint64>(maxBytes, 0) + 3) / 4, 0,
                                                  std::numeric_limits<quint32>::max()));
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, units), nullptr));
    if (!reply || reply->type == XCB_NONE)
        return Failure::Malformed; // the owner said yes but wrote nothing
    const int length = xcb_get_property_value_length(reply.get());
    if (reply->bytes_after > 0 || length > maxBytes) {
        xcb_delete_property(c, window, property);
        return Failure::TooLarge;
    }
    if (reply->format != 8 && reply->format != 16 && reply->format != 32)
        return Failure::Malformed;
    result.type = reply->type;
    result.format = reply->format;
    result.data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                             std::max(length, 0));
    return Failure::None;
}

X11SelectionReader::Failure X11SelectionReader::receiveIncrementally(xcb_atom_t property,
                                                                     const Budget& budget,
                                                                     Property& result) {
    // Deleting the INCR property (done by reading it) asks for the first piece;
    // each piece is a new value of the property and an empty one ends the transfer.
    const xcb_window_t window = connection_.window();
    result = Property{};
    bool first = true;
    for (;;) {
        const XcbEvent event = connection_.waitForEvent(
            [&](const xcb_generic_event_t& e) {
                if (eventType(e) != XCB_PROPERTY_NOTIFY)
                    return false;
                const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(e);
                return notify.window == window && notify.atom == property &&
                       notify.state == XCB_PROPERTY_NEW_VALUE;
            },
            budget.next());
        if (!event)
            return Failure::TimedOut;
        Property piece;
        const Failure failure = readProperty(property, budget.maxBytes - result.data.size(), piece);
        if (failure != Failure::None)
            return failure;
        if (first) {
            result.type = piece.type;
            result.format = piece.format;
            first = false;
        }
        if (piece.data.isEmpty())
            return Failure::None;
        if (piece.format != result.format)
            return Failure::Malformed;
        result.data.append(piece.data);
    }
}
