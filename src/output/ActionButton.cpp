#include "output/ActionButton.h"

#include <QStyle>
#include <QStyleOptionButton>

ActionButton::ActionButton(const QString& title, const QIcon& icon, QWidget* parent)
    : QPushButton(icon, title, parent)
    , title_(title) {
    setToolTip(title);
    setAccessibleName(title);
}

void ActionButton::setCompact(bool compact) {
    if (compact == compact_)
        return;
    compact_ = compact;
    setText(compact && !icon().isNull() ? QString() : title_);
}

QSize ActionButton::sizeHintWithTitle() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = title_;
    const QSize iconSize = option.icon.isNull() ? QSize() : option.iconSize;
    QSize contents = fontMetrics().size(Qt::TextShowMnemonic, title_);
    if (!iconSize.isEmpty()) {
        contents.rwidth() += iconSize.width() + 4;
        contents.setHeight(qMax(contents.height(), iconSize.height()));
    }
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, this);
}
