#pragma once

#include "platform/Pasteboard.h"

// The clipboard through Qt's Wayland platform (wl_data_device). Representations
// are MIME types. The compositor hands the clipboard only to a program one of
// whose windows has the keyboard, and takes a new one only from a program that
// was given an input event, and GNOME only from the one with the keyboard: the
// capture road reads and writes it while its overlay is still up.
//
// Qt's Wayland clipboard rewrites a few types when it offers them: text/plain
// goes out as the UTF-8 of its text (bytes that are not UTF-8 come back
// replaced), text/uri-list as its parsed addresses (comment lines dropped),
// and application/x-color as a colour. Every other type is offered with its
// exact bytes.
class WaylandPasteboard : public Pasteboard {
public:
    QList<PasteboardItem> items() override;
    void clearContents() override;
    void setString(const QString& text) override;
    void writeItems(const QList<PasteboardItem>& items) override;
    bool writesNeedFocus() const override { return true; }
};
