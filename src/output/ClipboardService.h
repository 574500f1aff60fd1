#pragma once

#include "platform/Pasteboard.h"

// Puts delivered text on the clipboard as plain text and keeps what the
// clipboard held just before, for one level of undo.
class ClipboardService {
public:
    explicit ClipboardService(Pasteboard& pasteboard);

    // Saves every item with every representation, then leaves only the text.
    void copy(const QString& text);
    // Puts the saved items back and forgets them; with nothing saved the
    // clipboard is left empty.
    void undo();

    const QList<PasteboardItem>& previousItems() const { return previousItems_; }

private:
    Pasteboard& pasteboard_;
    QList<PasteboardItem> previousItems_;
};
