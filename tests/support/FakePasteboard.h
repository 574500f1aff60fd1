#pragma once

#include "platform/Pasteboard.h"

// A general clipboard in memory that behaves like the real one: setString on
// a clipboard that was not cleared adds the text to its first item, and
// writeItems appends.
class FakePasteboard : public Pasteboard {
public:
    static QString plainTextType() { return QStringLiteral("text/plain;charset=utf-8"); }

    QList<PasteboardItem> items() override { return contents; }
    void clearContents() override { contents.clear(); }
    void setString(const QString& text) override {
        if (contents.isEmpty())
            contents.append(PasteboardItem{});
        PasteboardItem& first = contents.first();
        first.removeIf([](const PasteboardRepresentation& r) { return r.type == plainTextType(); });
        first.append({plainTextType(), text.toUtf8(), {}, 8});
    }
    void writeItems(const QList<PasteboardItem>& items) override { contents.append(items); }

    QList<PasteboardItem> contents;
};
