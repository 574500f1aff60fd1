#pragma once

#include "history/HistoryRow.h"

#include <QElapsedTimer>
#include <QListView>

// The history's list: rows painted by HistoryRow, with their buttons working
// like buttons (hover, press, release over the same button), and the
// keyboard: Return copies the selected capture, Delete deletes it, the menu
// key or Shift-F10 opens its context menu, and typing goes to the search field.
class HistoryListView : public QListView {
    Q_OBJECT
public:
    explicit HistoryListView(QWidget* parent = nullptr);

    HistoryRow* row() const { return row_; }
    // The centre of an action's button in a row, in viewport coordinates.
    QPoint buttonCenter(const QModelIndex& index, HistoryRow::Action action) const;

Q_SIGNALS:
    void actionTriggered(const QModelIndex& index, HistoryRow::Action action);
    void contextMenuRequested(const QModelIndex& index, const QPoint& globalPosition);
    // A key meant for the search field.
    void typed(QKeyEvent* event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    std::optional<HistoryRow::Action> buttonAt(const QPoint& position,
                                               QModelIndex* index = nullptr) const;
    void highlight(const QModelIndex& index, std::optional<HistoryRow::Action> action,
                   bool pressed);
    void selectRow(const QModelIndex& index);

    HistoryRow* row_;
    QPersistentModelIndex highlightedRow_;
    // The button pressed and not yet released.
    QPersistentModelIndex pressedRow_;
    std::optional<HistoryRow::Action> pressed_;
    // When Delete was last clicked. The second half of a double click on
    // Delete must not delete the row that moved up under the pointer.
    QElapsedTimer lastDelete_;
};
