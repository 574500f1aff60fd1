#pragma once

#include "platform/Pasteboard.h"
#include "platform/base/Log.h"
#include "platform/x11/X11SelectionReader.h"

#include <QThread>

class X11Clipboard;

// The CLIPBOARD selection, spoken to directly over xcb so that every format
// another program offers comes back with its exact bytes (Qt's clipboard
// decodes and renames them).
//
// The X side lives on a thread of its own. Qt's clipboard, when our own
// widgets paste, blocks the main thread while it waits for the selection's
// owner; if that owner is us, only another thread can answer it. Calls block
// the caller until the X side is done, at most for the read limits.
class X11Pasteboard : public Pasteboard {
public:
    explicit X11Pasteboard(const Log& log, X11ReadLimits limits = {});
    ~X11Pasteboard() override;
    X11Pasteboard(const X11Pasteboard&) = delete;
    X11Pasteboard& operator=(const X11Pasteboard&) = delete;

    // False without an X server: then the clipboard reads empty and writes do nothing.
    bool isConnected() const { return connected_; }

    QList<PasteboardItem> items() override;
    void clearContents() override;
    void setString(const QString& text) override;
    void writeItems(const QList<PasteboardItem>& items) override;

    // What the last items() found out about the owner, for diagnostics.
    const X11ReadResult& lastRead() const { return lastRead_; }

private:
    template <typename Work>
    auto onClipboardThread(Work work, bool serveQtClipboard = false);
    void own(const PasteboardItem& offers);

    Log log_;
    QThread thread_;
    X11Clipboard* clipboard_; // lives on thread_ and is deleted there
    bool connected_ = false;
    X11ReadResult lastRead_;
};
