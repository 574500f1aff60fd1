#pragma once

#include <QCache>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QStyledItemDelegate>

#include <optional>

// One line of the history list: the preview over the date on the left, the
// action buttons as icons on the right. The rows are painted, not built of
// widgets, so a history of hundreds of captures scrolls and filters
// smoothly; the list view tells the row which button the mouse is over or
// pressing, and asks it where the buttons are.
class HistoryRow : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Action { copy, speak, lookUp, searchWeb, remove };

    explicit HistoryRow(QObject* parent = nullptr);

    // The actions a row offers, in order; "Look Up" only when the text has a term.
    static QList<Action> actions(const QModelIndex& index);
    static QString title(Action action);
    static QString symbolName(Action action);
    static bool isDestructive(Action action) { return action == Action::remove; }
    // Red that reads on the palette's window and base colours.
    static QColor destructiveColor(const QPalette& palette);
    // The text colour toned down towards the background, for dates and counts.
    static QColor secondaryColor(const QColor& text, const QColor& background);

    // Where an action's button is in a row; empty when the row does not offer it.
    QRect buttonRect(const QRect& row, const QModelIndex& index, Action action) const;
    std::optional<Action> actionAt(const QRect& row, const QModelIndex& index,
                                   const QPoint& position) const;
    // Where the preview is drawn.
    QRect previewRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    // The button drawn hovered (or pressed) in one row.
    void setHighlight(const QModelIndex& index, std::optional<Action> action, bool pressed);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QFont dateFont(const QFont& font) const;
    QPixmap icon(const QString& symbol, const QColor& color, qreal devicePixelRatio) const;

    QPersistentModelIndex highlightedRow_;
    std::optional<Action> highlighted_;
    bool pressed_ = false;
    mutable QCache<QString, QPixmap> icons_{64};
};
