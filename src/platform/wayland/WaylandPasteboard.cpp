#include "platform/wayland/WaylandPasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// Qt adds this type itself to anything holding an image; it is no format a
// program offered.
bool isQtsOwn(const QString& type) {
    return type == u"application/x-qt-image";
}

} // namespace

QList<PasteboardItem> WaylandPasteboard::items() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data)
        return {};
    PasteboardItem item;
    const QStringList formats = data->formats();
    for (const QString& type : formats) {
        if (isQtsOwn(type))
            continue;
        const QByteArray bytes = data->data(type);
        if (!bytes.isNull())
            item.append({type, bytes, {}, 8});
    }
    if (item.isEmpty())
        return {};
    return {item};
}

void WaylandPasteboard::clearContents() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void WaylandPasteboard::setString(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void WaylandPasteboard::writeItems(const QList<PasteboardItem>& items) {
    // One item at a time is all a Wayland clipboard holds.
    if (items.isEmpty() || items.front().isEmpty())
        return;
    auto* data = new QMimeData;
    for (const PasteboardRepresentation& representation : items.front())
        data->setData(representation.type, representation.data);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}
