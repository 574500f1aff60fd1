#include "capture/SelectionView.h"

#include "platform/Geometry.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

SelectionView::SelectionView(QImage frame, FinishHandler onFinish, QWidget* parent)
    : QWidget(parent)
    , onFinish_(std::move(onFinish))
    , frame_(std::move(frame)) {
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Drag to select an area. Press Escape to cancel."));
}

QFont SelectionView::labelFont() const {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(11);
    font.setWeight(QFont::Medium);
    return font;
}

void SelectionView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRectF dirty = event->rect();
    if (frame_.isNull())
        p.fillRect(dirty, Qt::black);
    else
        p.drawImage(QPointF(0, 0), frame_);
    p.fillRect(dirty, QColor(0, 0, 0, 64)); // black at a quarter

    if (!selection_)
        return;
    const QRectF sel = *selection_;
    if (!frame_.isNull()) {
        // The selected area undimmed: the frame's pixels again, at full density.
        const double dpr = frame_.devicePixelRatio();
        const QRectF source(sel.x() * dpr, sel.y() * dpr, sel.width() * dpr, sel.height() * dpr);
        p.drawImage(sel, frame_, source);
    }
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sel.adjusted(0.5, 0.5, -0.5, -0.5));

    const QString label = SelectionLayout::sizeLabelText(sel);
    p.setFont(labelFont());
    const QSizeF textSize = p.fontMetrics().size(Qt::TextSingleLine, label);
    const QRectF labelRect = SelectionLayout::sizeLabelRect(sel, textSize, rect());
    p.fillRect(labelRect, QColor(0, 0, 0, 153));
    p.setPen(Qt::white);
    p.drawText(labelRect, Qt::AlignCenter, label);
}

void SelectionView::mousePressEvent(QMouseEvent* event) {
    setCursor(Qt::CrossCursor);
    // Only the primary button selects; another one pressed during a drag
    // leaves the drag alone.
    if (event->button() != Qt::LeftButton)
        return;
    startPoint_ = event->position();
    const std::optional<QRectF> previous = selection_;
    selection_.reset();
    if (previous)
        update(SelectionLayout::redrawArea(QRectF(), *previous, rect()).toAlignedRect());
}

void SelectionView::mouseMoveEvent(QMouseEvent* event) {
    setCursor(Qt::CrossCursor);
    if (!startPoint_)
        return;
    const QPointF point = Geometry::clamp(event->position(), QRectF(rect()));
    const QRectF next = Geometry::spanned(*startPoint_, point);
    update(
        SelectionLayout::redrawArea(selection_.value_or(QRectF()), next, rect()).toAlignedRect());
    selection_ = next;
}

void SelectionView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !startPoint_)
        return;
    const bool accepted = selection_ && SelectionLayout::isLargeEnough(*selection_);
    startPoint_.reset();
    // View coordinates already have their origin at the display's top-left corner.
    onFinish_(accepted ? selection_ : std::nullopt);
}
