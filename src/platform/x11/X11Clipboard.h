#pragma once

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11SelectionOwner.h"
#include "platform/x11/X11SelectionReader.h"

#include <QObject>

#include <memory>

class QSocketNotifier;
class QTimer;

// The CLIPBOARD selection on our own X connection: reads what other programs
// offer and owns it for us. Created, used and destroyed on one thread with an
// event loop, which answers other clients' requests whenever it is idle.
class X11Clipboard : public QObject {
    Q_OBJECT
public:
    explicit X11Clipboard(X11ReadLimits limits = {});
    ~X11Clipboard() override;

    bool isConnected() const { return connection_.isValid(); }
    // Starts answering other clients; call on the thread the object lives on.
    void start();

    // Our own offers when we own the selection, no item when nobody does,
    // otherwise what the owner answers within the read limits.
    X11ReadResult read();
    // Takes the selection with exactly these representations (none: an empty
    // clipboard that still has an owner, so clipboard managers do not put
    // their older copy back).
    bool own(const PasteboardItem& offers);
    // Asks a running clipboard manager to keep a copy of what we own, so that
    // it outlives us; true once the manager says it is done.
    bool handOverToClipboardManager(int timeoutMs);

private:
    void dispatch(const xcb_generic_event_t& event);
    void processEvents();
    void watchTransfers();

    X11ReadLimits limits_;
    X11Connection connection_;
    std::unique_ptr<X11SelectionOwner> owner_;
    std::unique_ptr<X11SelectionReader> reader_;
    xcb_atom_t clipboardAtom_ = XCB_NONE;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* transferTimer_ = nullptr;
};
