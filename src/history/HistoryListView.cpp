#include "history/HistoryListView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

HistoryListView::HistoryListView(QWidget* parent)
    : QListView(parent)
    , row_(new HistoryRow(this)) {
    setItemDelegate(row_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setAccessibleName(tr("Captures"));
}

QPoint HistoryListView::buttonCenter(const QModelIndex& index, HistoryRow::Action action) const {
    return row_->buttonRect(visualRect(index), index, action).center();
}

std::optional<HistoryRow::Action> HistoryListView::buttonAt(const QPoint& position,
                                                            QModelIndex* index) const {
    const QModelIndex at = indexAt(position);
    if (index)
        *index = at;
    if (!at.isValid())
        return std::nullopt;
    return row_->actionAt(visualRect(at), at, position);
}

void HistoryListView::highlight(const QModelIndex& index, std::optional<HistoryRow::Action> action,
                                bool pressed) {
    if (highlightedRow_.isValid())
        viewport()->update(visualRect(highlightedRow_));
    highlightedRow_ = action ? QPersistentModelIndex(index) : QPersistentModelIndex();
    row_->setHighlight(highlightedRow_, action, pressed);
    if (index.isValid())
        viewport()->update(visualRect(index));
}

void HistoryListView::selectRow(const QModelIndex& index) {
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void HistoryListView::mousePressEvent(QMouseEvent* event) {
    QModelIndex index;
    const std::optional<HistoryRow::Action> action = buttonAt(event->position().toPoint(), &index);
    if (event->button() != Qt::LeftButton || !action) {
        QListView::mousePressEvent(event);
        return;
    }
    event->accept();
    if (lastDelete_.isValid() && lastDelete_.elapsed() < QApplication::doubleClickInterval())
        return;
    // Pressing a button also selects its row, so the keyboard carries on there.
    selectRow(index);
    pressedRow_ = index;
    pressed_ = action;
    highlight(index, action, true);
}

void HistoryListView::mouseMoveEvent(QMouseEvent* event) {
    QModelIndex index;
    const std::optional<HistoryRow::Action> action = buttonAt(event->position().toPoint(), &index);
    if (pressed_) {
        // Held down: the button looks pressed only while the pointer is on it.
        const bool onPressed = index == pressedRow_ && action == pressed_;
        highlight(pressedRow_, pressed_, onPressed);
        return;
    }
    highlight(index, action, false);
    QListView::mouseMoveEvent(event);
}

void HistoryListView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_) {
        QListView::mouseReleaseEvent(event);
        return;
    }
    QModelIndex index;
    const std::optional<HistoryRow::Action> action = buttonAt(event->position().toPoint(), &index);
    const QPersistentModelIndex row = pressedRow_;
    const std::optional<HistoryRow::Action> pressed = pressed_;
    pressedRow_ = QPersistentModelIndex();
    pressed_.reset();
    highlight(index, action, false);
    event->accept();
    if (event->button() == Qt::LeftButton && row.isValid() && index == row && action == pressed) {
        if (*pressed == HistoryRow::Action::remove)
            lastDelete_.start();
        Q_EMIT actionTriggered(row, *pressed);
    }
}

void HistoryListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QModelIndex index;
    const std::optional<HistoryRow::Action> action = buttonAt(event->position().toPoint(), &index);
    if (!action) {
        QListView::mouseDoubleClickEvent(event);
        // A double click on the text copies, as Return does.
        if (event->button() == Qt::LeftButton && index.isValid())
            Q_EMIT actionTriggered(index, HistoryRow::Action::copy);
        return;
    }
    // The press before this event already counted as the second click.
    event->accept();
}

void HistoryListView::contextMenuEvent(QContextMenuEvent* event) {
    QModelIndex index;
    QPoint position = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        index = indexAt(event->pos());
        selectRow(index);
    } else {
        index = currentIndex();
        if (index.isValid())
            position = viewport()->mapToGlobal(visualRect(index).center());
    }
    if (index.isValid())
        Q_EMIT contextMenuRequested(index, position);
    event->accept();
}

void HistoryListView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QModelIndex current = currentIndex();
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (current.isValid())
                Q_EMIT actionTriggered(current, HistoryRow::Action::copy);
            event->accept();
            return;
        case Qt::Key_Delete:
            if (current.isValid())
                Q_EMIT actionTriggered(current, HistoryRow::Action::remove);
            event->accept();
            return;
        case Qt::Key_Backspace:
            Q_EMIT typed(event);
            return;
        default:
            break;
        }
    }
    // The menu key itself arrives from the platform as a context menu event.
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        if (current.isValid())
            Q_EMIT contextMenuRequested(current,
                                        viewport()->mapToGlobal(visualRect(current).center()));
        event->accept();
        return;
    }
    const bool printable = !event->text().isEmpty() && event->text().front().isPrint();
    if (printable && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        Q_EMIT typed(event);
        return;
    }
    QListView::keyPressEvent(event);
}

void HistoryListView::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    // Arriving by keyboard lands on a selected row, not on a bare focus frame.
    QModelIndex current = currentIndex();
    if (!current.isValid() && model() && model()->rowCount() > 0)
        current = model()->index(0, 0);
    if (current.isValid() && !selectionModel()->isSelected(current))
        selectRow(current);
}

bool HistoryListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && !pressed_)
        highlight({}, std::nullopt, false);
    return QListView::viewportEvent(event);
}
