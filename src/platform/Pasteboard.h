#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One representation of a clipboard item: its type and the exact bytes.
// On X11 the type is the selection target's name; the property type and
// format the owner answered with are kept so that the bytes can be offered
// again exactly as they came.
struct PasteboardRepresentation {
    QString type;
    QByteArray data;
    QString propertyType; // empty: the same as `type`
    int format = 8;       // 8, 16 or 32 bits per unit

    bool operator==(const PasteboardRepresentation&) const = default;
};

using PasteboardItem = QList<PasteboardRepresentation>;

// The general clipboard (CLIPBOARD selection on X11).
class Pasteboard {
public:
    virtual ~Pasteboard() = default;
    // What the clipboard holds now, every representation with its bytes; X11
    // holds at most one item. Types for which no data comes back are left out.
    virtual QList<PasteboardItem> items() = 0;
    virtual void clearContents() = 0;
    // Plain text, and nothing else.
    virtual void setString(const QString& text) = 0;
    // Offers the given items exactly.
    virtual void writeItems(const QList<PasteboardItem>& items) = 0;
    // Whether the desktop takes a new clipboard only from a program one of
    // whose windows has the keyboard (Wayland: GNOME insists on it).
    virtual bool writesNeedFocus() const { return false; }
};
