#include "output/TranslationPopover.h"

#include "output/TranslationService.h"
#include "recognition/RecognitionLanguage.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int arrowHeight = 9;
constexpr int arrowHalfWidth = 10;
constexpr int radius = 8;

// The language's name in the program's locale ("Spanisch" to a German reader).
QString languageName(const QString& code) {
    const QList<RecognitionLanguage> named = RecognitionLanguages::languageList({code}, QLocale());
    return named.isEmpty() ? code : named.first().name;
}

} // namespace

TranslationPopover::TranslationPopover(TranslationService& translation, QWidget* anchor)
    : QFrame(anchor, Qt::Popup)
    , translationService_(translation)
    , anchor_(anchor)
    , heading_(new QLabel(this))
    , result_(new QPlainTextEdit(this))
    , replaceButton_(new QPushButton(tr("Replace"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(tr("Translation"));
    heading_->setTextFormat(Qt::RichText);
    heading_->setWordWrap(true);
    result_->setReadOnly(true);
    result_->setAccessibleName(tr("Translation"));
    replaceButton_->setDefault(true);
    replaceButton_->setEnabled(false);
    connect(replaceButton_, &QPushButton::clicked, this, [this] {
        Q_EMIT replaceRequested(translation_);
        close();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(replaceButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12 + arrowHeight, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(heading_);
    layout->addWidget(result_, 1);
    layout->addLayout(buttons);
    resize(380, 210);
}

void TranslationPopover::present(const QString& text) {
    heading_->setText(tr("Translating…"));
    placeBelowAnchor();
    show();
    replaceButton_->setFocus();
    translate(text);
}

QCoro::Task<void> TranslationPopover::translate(QString text) {
    const QPointer<TranslationPopover> self = this;
    const std::optional<TranslationPair> pair = co_await translationService_.availablePair(text);
    if (!self)
        co_return;
    if (!pair) {
        heading_->setText(tr("This text cannot be translated into your language."));
        co_return;
    }
    const QString direction =
        tr("%1 → %2").arg(languageName(pair->source), languageName(pair->target));
    heading_->setText(u"<b>" + direction.toHtmlEscaped() + u"</b>");
    try {
        QString translated = co_await translationService_.translate(text, *pair);
        if (!self)
            co_return;
        translation_ = std::move(translated);
        result_->setPlainText(translation_);
        replaceButton_->setEnabled(true);
    } catch (const std::exception& error) {
        if (!self)
            co_return;
        heading_->setText(u"<b>" + direction.toHtmlEscaped() + u"</b>  —  " +
                          tr("Translation failed").toHtmlEscaped());
        result_->setPlainText(QString::fromUtf8(error.what()));
    }
}

void TranslationPopover::placeBelowAnchor() {
    if (!anchor_)
        return;
    const QRect bounds(anchor_->mapToGlobal(QPoint(0, 0)), anchor_->size());
    QPoint topLeft(bounds.center().x() - width() / 2, bounds.bottom() + 1);
    arrowOnTop_ = true;
    if (const QScreen* screen = anchor_->screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(qBound(available.left(), topLeft.x(), available.right() - width()));
        if (topLeft.y() + height() > available.bottom()) {
            // No room below: above the window, pointing down at it; failing
            // that, over the top of the text, leaving the buttons in view.
            if (bounds.top() - height() >= available.top()) {
                topLeft.setY(bounds.top() - height());
                arrowOnTop_ = false;
            } else {
                topLeft.setY(qMax(available.top(), bounds.top() + arrowHeight));
            }
        }
    }
    arrowX_ = qBound(radius + arrowHalfWidth, bounds.center().x() - topLeft.x(),
                     width() - radius - arrowHalfWidth);
    move(topLeft);
    layout()->setContentsMargins(14, 12 + (arrowOnTop_ ? arrowHeight : 0), 14,
                                 12 + (arrowOnTop_ ? 0 : arrowHeight));
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
}

QPainterPath TranslationPopover::outline() const {
    QPainterPath body;
    const qreal top = arrowOnTop_ ? arrowHeight : 0;
    body.addRoundedRect(QRectF(0, top, width(), height() - arrowHeight), radius, radius);
    QPainterPath arrow;
    const qreal base = arrowOnTop_ ? arrowHeight + 1 : height() - arrowHeight - 1;
    arrow.moveTo(arrowX_ - arrowHalfWidth, base);
    arrow.lineTo(arrowX_, arrowOnTop_ ? 0 : height());
    arrow.lineTo(arrowX_ + arrowHalfWidth, base);
    arrow.closeSubpath();
    return body.united(arrow);
}

void TranslationPopover::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawPath(outline().translated(0.5, 0.5));
}

void TranslationPopover::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
}

void TranslationPopover::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    Q_EMIT dismissed();
}
