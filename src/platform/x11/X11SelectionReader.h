#pragma once

#include "platform/Pasteboard.h"
#include "platform/x11/X11Connection.h"

#include <QByteArrayList>

#include <optional>

// How long and how much one read of another program's selection may take. A
// local owner answers a conversion within a few milliseconds, so half a second
// of silence means it is stuck or busy; the whole read is capped so that a
// hostile or hung owner delays a copy by at most a noticeable hiccup while a
// large image still has time to arrive.
struct X11ReadLimits {
    int totalMs = 1500;  // the whole read: TARGETS and every conversion
    int silenceMs = 500; // the longest wait for any one answer or INCR chunk
    qint64 maxTargetBytes = 64 << 20;
    qint64 maxTotalBytes = 256 << 20;
    int maxTargets = 256;
};

struct X11ReadResult {
    PasteboardItem item;          // empty when there is no owner or nothing converted
    QByteArrayList failedTargets; // refused, timed out, malformed or too large
    bool timedOut = false;        // the read stopped because its time ran out
    int incrTransfers = 0;        // conversions that came in pieces
};

// Reads everything another client offers for a selection: its TARGETS, then
// every target that carries data, with the exact bytes, property type and
// format the owner answered with.
class X11SelectionReader {
public:
    explicit X11SelectionReader(X11Connection& connection);

    X11ReadResult read(xcb_atom_t selection, const X11ReadLimits& limits);

    // Targets that describe the selection or act on it rather than carry its
    // contents; converting them would run side effects or copy the owner's identity.
    static bool isMetaTarget(const QByteArray& name);

private:
    struct Property {
        xcb_atom_t type = XCB_NONE;
        quint8 format = 8;
        QByteArray data;
    };
    struct Budget {
        QDeadlineTimer total;
        int silenceMs;
        qint64 maxBytes;
        QDeadlineTimer next() const;
    };
    enum class Failure { None, Refused, TimedOut, TooLarge, Malformed };

    Failure convert(xcb_atom_t selection, xcb_atom_t target, const Budget& budget, Property& result,
                    bool& incr);
    Failure readProperty(xcb_atom_t property, qint64 maxBytes, Property& result);
    Failure receiveIncrementally(xcb_atom_t property, const Budget& budget, Property& result);
    void abandonProperty();

    X11Connection& connection_;
    QList<xcb_atom_t> properties_;
    qsizetype currentProperty_ = 0;
    xcb_atom_t incrAtom_;
    xcb_atom_t targetsAtom_;
};
