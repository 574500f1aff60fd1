#include "output/ClipboardService.h"

ClipboardService::ClipboardService(Pasteboard& pasteboard)
    : pasteboard_(pasteboard) {}

void ClipboardService::copy(const QString& text) {
    previousItems_ = pasteboard_.items();
    pasteboard_.clearContents();
    pasteboard_.setString(text);
}

void ClipboardService::undo() {
    pasteboard_.clearContents();
    pasteboard_.writeItems(previousItems_);
    previousItems_.clear();
}
