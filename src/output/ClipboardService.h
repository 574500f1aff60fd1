#pragma once

#include "platform/Pasteboard.h"

#include <optional>

// Puts delivered text on the clipboard as plain text and keeps what the
// clipboard held just before, for one level of undo.
class ClipboardService {
public:
    explicit ClipboardService(Pasteboard& pasteboard);

    // Reads what the clipboard holds now, for the next copy to save. Where
    // the desktop hands the clipboard only to a program with the keyboard
    // (Wayland), a capture calls this while its overlay still has it.
    void snapshot();
    // Forgets a snapshot no copy used.
    void forgetSnapshot() { snapshot_.reset(); }
    // Saves every item with every representation (the snapshot's, if one was
    // taken), then leaves only the text.
    void copy(const QString& text);
    // Puts the saved items back and forgets them; with nothing saved the
    // clipboard is left empty.
    void undo();

    const QList<PasteboardItem>& previousItems() const { return previousItems_; }

private:
    Pasteboard& pasteboard_;
    QList<PasteboardItem> previousItems_;
    std::optional<QList<PasteboardItem>> snapshot_;
};
