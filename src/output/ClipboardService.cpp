#include "output/ClipboardService.h"

#include <utility>

ClipboardService::ClipboardService(Pasteboard& pasteboard)
    : pasteboard_(pasteboard) {}

void ClipboardService::snapshot() {
    snapshot_ = pasteboard_.items();
}

void ClipboardService::copy(const QString& text) {
    previousItems_ = snapshot_ ? *std::exchange(snapshot_, std::nullopt) : pasteboard_.items();
    pasteboard_.clearContents();
    pasteboard_.setString(text);
}

void ClipboardService::undo() {
    pasteboard_.clearContents();
    pasteboard_.writeItems(previousItems_);
    previousItems_.clear();
}
