#pragma once

#include "platform/Pasteboard.h"
#include "platform/x11/X11Connection.h"

// Holds a selection for us and answers other clients' requests for it: the
// offered representations with their exact bytes, property types and formats,
// plus TARGETS, TIMESTAMP and MULTIPLE. Data larger than one request may
// carry goes out in pieces (INCR).
class X11SelectionOwner {
public:
    X11SelectionOwner(X11Connection& connection, xcb_atom_t selection);

    // Takes the selection offering exactly these representations; none makes
    // an empty selection that still has an owner. False when the server did
    // not give it to us.
    bool own(const PasteboardItem& offers);
    // What we offer, in the order given to own().
    PasteboardItem offers() const;

    void handleSelectionRequest(const xcb_selection_request_event_t& request);
    void handleSelectionClear(const xcb_selection_clear_event_t& clear);
    // Progress of pieces sent to other windows.
    void handlePropertyNotify(const xcb_property_notify_event_t& notify);

    bool hasTransfers() const { return !transfers_.isEmpty(); }
    // Gives up on requestors that stopped taking pieces.
    void expireTransfers();

private:
    struct Offer {
        PasteboardRepresentation representation;
        xcb_atom_t target = XCB_NONE;
        xcb_atom_t type = XCB_NONE;
        quint8 format = 8;
    };
    struct Transfer {
        xcb_window_t requestor = XCB_NONE;
        xcb_atom_t property = XCB_NONE;
        xcb_atom_t type = XCB_NONE;
        quint8 format = 8;
        QByteArray data;
        qsizetype offset = 0;
        QDeadlineTimer expiry;
    };

    bool convert(xcb_window_t requestor, xcb_atom_t target, xcb_atom_t property);
    bool convertMultiple(xcb_window_t requestor, xcb_atom_t property);
    bool startTransfer(xcb_window_t requestor, xcb_atom_t property, const Offer& offer);
    void sendNextPiece(qsizetype index);
    void removeTransfer(qsizetype index);
    void notify(const xcb_selection_request_event_t& request, xcb_atom_t property);

    X11Connection& connection_;
    xcb_atom_t selection_;
    xcb_atom_t targetsAtom_, timestampAtom_, multipleAtom_, incrAtom_;
    qsizetype pieceBytes_;
    bool owning_ = false;
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    QList<Offer> offers_;
    QList<Transfer> transfers_;
};
