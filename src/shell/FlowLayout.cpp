#include "shell/FlowLayout.h"

#include "shell/FlowGeometry.h"

#include <cmath>

FlowLayout::FlowLayout(double spacing, QWidget* parent)
    : QLayout(parent)
    , spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}
int FlowLayout::count() const {
    return int(items_.size());
}
QLayoutItem* FlowLayout::itemAt(int index) const {
    return items_.value(index);
}
QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QList<QSizeF> FlowLayout::itemSizes() const {
    QList<QSizeF> sizes;
    for (QLayoutItem* item : items_)
        sizes.append(item->isEmpty() ? QSizeF(0, 0) : QSizeF(item->sizeHint()));
    return sizes;
}

QSize FlowLayout::sizeHint() const {
    return FlowGeometry::sizeThatFits(itemSizes(), std::nullopt, spacing_).toSize();
}

QSize FlowLayout::minimumSize() const {
    QSize widest(0, 0);
    for (const QSizeF& s : itemSizes())
        widest = widest.expandedTo(s.toSize());
    return widest;
}

int FlowLayout::heightForWidth(int width) const {
    return int(std::ceil(FlowGeometry::sizeThatFits(itemSizes(), width, spacing_).height()));
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QList<QRectF> frames = FlowGeometry::place(itemSizes(), rect, spacing_);
    for (qsizetype i = 0; i < items_.size(); ++i)
        items_[i]->setGeometry(frames[i].toRect());
}
