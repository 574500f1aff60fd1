#include "output/ToastView.h"

#include "output/BusyIndicator.h"
#include "platform/desktop/SymbolIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int columnWidth = 320;

// CR LF, CR, VT, FF, NEL, and the line and paragraph separators, as line feeds.
QString withLineFeeds(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const char16_t breakCharacter : {u'\r', u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'})
        result.replace(QChar(breakCharacter), QChar(u'\n'));
    return result;
}

// Visual lines: text layout wraps but treats a line feed as a space; a line
// separator is the break it keeps.
int linesNeeded(const QString& text, const QFont& font, int width) {
    QString laidOut = text;
    laidOut.replace(QChar(u'\n'), QChar(QChar::LineSeparator));
    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace

QString elideMiddle(const QString& original, const QFont& font, int width, int maximumLines) {
    const QString text = withLineFeeds(original);
    if (linesNeeded(text, font, width) <= maximumLines)
        return text;
    // The most characters that still fit, half from each end.
    qsizetype low = 0, high = text.size();
    auto candidate = [&](qsizetype keep) -> QString {
        QString head = text.left((keep + 1) / 2);
        QString tail = text.right(keep / 2);
        // Never half a surrogate pair at either side of the ellipsis.
        if (!head.isEmpty() && head.back().isHighSurrogate())
            head.chop(1);
        if (!tail.isEmpty() && tail.front().isLowSurrogate())
            tail.remove(0, 1);
        return head + QStringLiteral("\u2026") + tail;
    };
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (linesNeeded(candidate(mid), font, width) <= maximumLines)
            low = mid;
        else
            high = mid - 1;
    }
    return candidate(low);
}

ToastView::ToastView(const QString& message, const std::optional<QString>& detail,
                     const QList<Button>& buttons, Symbol symbol, QWidget* parent)
    : QWidget(parent)
    , message_(message)
    , detail_(detail) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(12);

    const int symbolSize = 22;
    if (symbol == Symbol::busy) {
        row->addWidget(new BusyIndicator(symbolSize), 0, Qt::AlignVCenter);
    } else {
        auto* image = new QLabel;
        image->setPixmap(SymbolIcons::pixmap(QStringLiteral("text.viewfinder"),
                                             palette().color(QPalette::Highlight), symbolSize));
        image->setAccessibleName(QString());
        row->addWidget(image, 0, Qt::AlignVCenter);
    }

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* title = new QLabel;
    title->setTextFormat(Qt::PlainText);
    title->setText(message);
    QFont headline = title->font();
    headline.setBold(true);
    title->setFont(headline);
    // A message that fits stays on one line; only a longer one wraps within the column.
    const bool wraps = title->fontMetrics().horizontalAdvance(message) > columnWidth;
    title->setWordWrap(wraps);
    if (wraps)
        title->setFixedWidth(columnWidth);
    title->setObjectName(QStringLiteral("toastMessage"));
    column->addWidget(title);
    if (detail) {
        auto* detailLabel = new QLabel;
        detailLabel->setTextFormat(Qt::PlainText);
        QFont callout = detailLabel->font();
        callout.setPointSizeF(callout.pointSizeF() - 1);
        detailLabel->setFont(callout);
        const QString shown = elideMiddle(*detail, callout, columnWidth, 2);
        detailLabel->setText(shown);
        // Lines that fit stay whole; only a longer one wraps within the column.
        const QStringList lines = shown.split(u'\n');
        const QFontMetrics metrics(callout);
        const bool detailWraps = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) > columnWidth;
        });
        detailLabel->setWordWrap(detailWraps);
        if (detailWraps)
            detailLabel->setFixedWidth(columnWidth);
        detailLabel->setForegroundRole(QPalette::PlaceholderText);
        detailLabel->setObjectName(QStringLiteral("toastDetail"));
        column->addWidget(detailLabel);
    }
    row->addLayout(column, 1);

    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.title);
        button->setFocusPolicy(Qt::NoFocus); // the toast never takes the keyboard
        connect(button, &QPushButton::clicked, this, b.onPress);
        row->addWidget(button, 0, Qt::AlignVCenter);
        buttons_.append(button);
    }
}

void ToastView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.fillPath(path, palette().color(QPalette::Window));
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawPath(path);
}
