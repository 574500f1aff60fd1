#include "history/HistoryRow.h"

#include "history/HistoryListModel.h"
#include "platform/desktop/SymbolIcons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace {
constexpr int horizontalPadding = 10;
constexpr int verticalPadding = 7;
constexpr int lineSpacing = 2; // between the preview and the date
constexpr int buttonSize = 26;
constexpr int buttonSpacing = 2;
constexpr int iconSize = 16;
constexpr int textToButtons = 8;

bool isDark(const QColor& color) {
    return color.lightnessF() < 0.5;
}

QColor mixed(const QColor& a, const QColor& b, qreal amountOfA) {
    return QColor::fromRgbF(float(a.redF() * amountOfA + b.redF() * (1 - amountOfA)),
                            float(a.greenF() * amountOfA + b.greenF() * (1 - amountOfA)),
                            float(a.blueF() * amountOfA + b.blueF() * (1 - amountOfA)));
}

} // namespace

HistoryRow::HistoryRow(QObject* parent)
    : QStyledItemDelegate(parent) {}

QList<HistoryRow::Action> HistoryRow::actions(const QModelIndex& index) {
    QList<Action> shown{Action::copy, Action::speak};
    if (index.data(HistoryListModel::OffersLookUpRole).toBool())
        shown.append(Action::lookUp);
    shown.append({Action::searchWeb, Action::remove});
    return shown;
}

QString HistoryRow::title(Action action) {
    switch (action) {
    case Action::copy:
        return tr("Copy");
    case Action::speak:
        return tr("Speak");
    case Action::lookUp:
        return tr("Look Up");
    case Action::searchWeb:
        return tr("Search the web");
    case Action::remove:
        return tr("Delete");
    }
    return {};
}

QString HistoryRow::symbolName(Action action) {
    switch (action) {
    case Action::copy:
        return QStringLiteral("doc.on.doc");
    case Action::speak:
        return QStringLiteral("speaker.wave.2");
    case Action::lookUp:
        return QStringLiteral("character.book.closed");
    case Action::searchWeb:
        return QStringLiteral("magnifyingglass");
    case Action::remove:
        return QStringLiteral("trash");
    }
    return {};
}

QColor HistoryRow::destructiveColor(const QPalette& palette) {
    return isDark(palette.color(QPalette::Base)) ? QColor(0xff, 0x6b, 0x60)
                                                 : QColor(0xc6, 0x28, 0x1c);
}

QColor HistoryRow::secondaryColor(const QColor& text, const QColor& background) {
    return mixed(text, background, 0.62);
}

QFont HistoryRow::dateFont(const QFont& font) const {
    QFont caption = font;
    if (font.pointSizeF() > 0)
        caption.setPointSizeF(font.pointSizeF() * 0.85);
    else
        caption.setPixelSize(qMax(8, font.pixelSize() * 85 / 100));
    return caption;
}

QRect HistoryRow::buttonRect(const QRect& row, const QModelIndex& index, Action action) const {
    const QList<Action> shown = actions(index);
    const qsizetype position = shown.indexOf(action);
    if (position < 0)
        return {};
    // Laid out from the right edge, the last action outermost.
    const qsizetype fromRight = shown.size() - 1 - position;
    const int right = row.right() - horizontalPadding + 1;
    const int left = right - buttonSize - int(fromRight) * (buttonSize + buttonSpacing);
    return QRect(left, row.center().y() - buttonSize / 2 + 1, buttonSize, buttonSize);
}

std::optional<HistoryRow::Action> HistoryRow::actionAt(const QRect& row, const QModelIndex& index,
                                                       const QPoint& position) const {
    for (const Action action : actions(index)) {
        if (buttonRect(row, index, action).contains(position))
            return action;
    }
    return std::nullopt;
}

QRect HistoryRow::previewRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QList<Action> shown = actions(index);
    const int buttons = int(shown.size()) * (buttonSize + buttonSpacing) - buttonSpacing;
    const QFontMetrics preview(option.font);
    const QFontMetrics date(dateFont(option.font));
    const int block = preview.height() + lineSpacing + date.height();
    const QRect& row = option.rect;
    const int top = row.top() + (row.height() - block) / 2;
    const int left = row.left() + horizontalPadding;
    const int right = row.right() - horizontalPadding - buttons - textToButtons;
    return QRect(left, top, qMax(0, right - left + 1), preview.height());
}

void HistoryRow::setHighlight(const QModelIndex& index, std::optional<Action> action,
                              bool pressed) {
    highlightedRow_ = index;
    highlighted_ = action;
    pressed_ = pressed;
}

QPixmap HistoryRow::icon(const QString& symbol, const QColor& color, qreal ratio) const {
    const QString key =
        QStringLiteral("%1 %2 %3").arg(symbol, color.name(QColor::HexArgb)).arg(ratio);
    if (QPixmap* cached = icons_.object(key))
        return *cached;
    auto* pixmap = new QPixmap(SymbolIcons::pixmap(symbol, color, iconSize, ratio));
    const QPixmap copy = *pixmap;
    icons_.insert(key, pixmap);
    return copy;
}

void HistoryRow::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &background, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                               : QPalette::Inactive;
    const QPalette& palette = option.palette;
    const QColor text = palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor behind = palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QColor secondary = secondaryColor(text, behind);

    painter->save();
    // A hairline between rows, as lists draw them, left out next to a selection.
    if (!selected) {
        QColor line = palette.color(group, QPalette::Text);
        line.setAlphaF(isDark(palette.color(group, QPalette::Base)) ? 0.14f : 0.09f);
        painter->fillRect(QRect(option.rect.left() + horizontalPadding, option.rect.bottom(),
                                option.rect.width() - horizontalPadding, 1),
                          line);
    }

    const QRect previewArea = previewRect(option, index);
    const QString preview = index.data(Qt::DisplayRole).toString();
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(previewArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(preview, Qt::ElideRight, previewArea.width(),
                                                    Qt::TextSingleLine));
    const QFont caption = dateFont(option.font);
    const QFontMetrics captionMetrics(caption);
    const QRect dateArea(previewArea.left(), previewArea.bottom() + 1 + lineSpacing,
                         previewArea.width(), captionMetrics.height());
    painter->setFont(caption);
    painter->setPen(secondary);
    painter->drawText(
        dateArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        captionMetrics.elidedText(index.data(HistoryListModel::DateTextRole).toString(),
                                  Qt::ElideRight, dateArea.width()));

    painter->setRenderHint(QPainter::Antialiasing);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const bool rowHighlighted = highlightedRow_.isValid() && highlightedRow_ == index;
    for (const Action action : actions(index)) {
        const QRect button = buttonRect(option.rect, index, action);
        if (rowHighlighted && highlighted_ == action) {
            QColor fill = text;
            fill.setAlphaF(pressed_ ? 0.22f : 0.11f);
            QPainterPath shape;
            shape.addRoundedRect(QRectF(button), 5, 5);
            painter->fillPath(shape, fill);
        }
        const QColor color = isDestructive(action) && !selected ? destructiveColor(palette)
                                                                : mixed(text, behind, 0.78);
        const QRect iconArea(button.center().x() - iconSize / 2 + 1,
                             button.center().y() - iconSize / 2 + 1, iconSize, iconSize);
        painter->drawPixmap(iconArea, icon(symbolName(action), color, ratio));
    }
    painter->restore();
}

QSize HistoryRow::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int text = QFontMetrics(option.font).height() + lineSpacing +
                     QFontMetrics(dateFont(option.font)).height();
    return QSize(300, qMax(text, buttonSize) + 2 * verticalPadding);
}

bool HistoryRow::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                           const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (const std::optional<Action> action = actionAt(option.rect, index, event->pos())) {
        QToolTip::showText(event->globalPos(), title(*action), view->viewport(),
                           buttonRect(option.rect, index, *action));
        return true;
    }
    // The preview's whole first line, when the row had to cut it.
    const QRect preview = previewRect(option, index);
    const QString line = index.data(Qt::ToolTipRole).toString();
    if (preview.contains(event->pos()) &&
        option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) >
            preview.width()) {
        // As rich text, so the tooltip wraps instead of running off the screen.
        QToolTip::showText(event->globalPos(), u"<p>" + line.toHtmlEscaped() + u"</p>",
                           view->viewport(), preview);
        return true;
    }
    QToolTip::hideText();
    return true;
}
