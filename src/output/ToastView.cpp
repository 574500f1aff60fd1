#include "output/ToastView.h"

#include "platform/desktop/SymbolIcons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

constexpr int columnWidth = 320;

int linesNeeded(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
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

QString elideMiddle(const QString& text, const QFont& font, int width, int maximumLines) {
    if (linesNeeded(text, font, width) <= maximumLines)
        return text;
    // The most characters that still fit, half from each end.
    qsizetype low = 0, high = text.size();
    auto candidate = [&](qsizetype keep) -> QString {
        return text.left((keep + 1) / 2) + QStringLiteral("\u2026") + text.right(keep / 2);
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
                     const QList<Button>& buttons, QWidget* parent)
    : QWidget(parent)
    , message_(message)
    , detail_(detail) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(12);

    auto* symbol = new QLabel;
    const int symbolSize = 22;
    symbol->setPixmap(SymbolIcons::pixmap(QStringLiteral("text.viewfinder"),
                                          palette().color(QPalette::Highlight), symbolSize));
    symbol->setAccessibleName(QString());
    row->addWidget(symbol, 0, Qt::AlignVCenter);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* title = new QLabel(message);
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
        QFont callout = detailLabel->font();
        callout.setPointSizeF(callout.pointSizeF() - 1);
        detailLabel->setFont(callout);
        detailLabel->setText(elideMiddle(*detail, callout, columnWidth, 2));
        detailLabel->setWordWrap(true);
        detailLabel->setMaximumWidth(columnWidth);
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
