#include "history/HistoryPlaceholder.h"

#include "history/HistoryRow.h"
#include "platform/desktop/SymbolIcons.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int symbolSize = 44;
}

HistoryPlaceholder::HistoryPlaceholder(QWidget* parent)
    : QWidget(parent)
    , symbol_(new QLabel(this))
    , title_(new QLabel(this))
    , message_(new QLabel(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0)
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title_->setFont(titleFont);
    for (QLabel* label : {symbol_, title_, message_}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
    }
    title_->setWordWrap(true);
    message_->setWordWrap(true);
    symbol_->setAccessibleName(QString()); // decoration

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);
    layout->addStretch(1);
    layout->addWidget(symbol_);
    layout->addSpacing(12);
    layout->addWidget(title_);
    layout->addSpacing(6);
    layout->addWidget(message_);
    layout->addStretch(1);
}

void HistoryPlaceholder::setContent(const QString& symbolName, const QString& title,
                                    const QString& message) {
    symbolName_ = symbolName;
    title_->setText(title);
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
    setAccessibleName(title);
    setAccessibleDescription(message);
    updateColors();
}

QString HistoryPlaceholder::title() const {
    return title_->text();
}

QString HistoryPlaceholder::message() const {
    return message_->text();
}

void HistoryPlaceholder::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateColors();
}

void HistoryPlaceholder::updateColors() {
    const QPalette& palette = this->palette();
    const QColor secondary =
        HistoryRow::secondaryColor(palette.color(QPalette::Text), palette.color(QPalette::Base));
    if (!symbolName_.isEmpty())
        symbol_->setPixmap(SymbolIcons::pixmap(symbolName_, secondary, symbolSize,
                                               devicePixelRatioF() > 1 ? devicePixelRatioF() : 2));
    QPalette titlePalette = title_->palette();
    // The title a little stronger than the message, as the platform draws them.
    titlePalette.setColor(QPalette::WindowText,
                          HistoryRow::secondaryColor(palette.color(QPalette::Text), secondary));
    title_->setPalette(titlePalette);
    QPalette messagePalette = message_->palette();
    messagePalette.setColor(QPalette::WindowText, secondary);
    message_->setPalette(messagePalette);
}
