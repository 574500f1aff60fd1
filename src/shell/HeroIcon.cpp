#include "shell/HeroIcon.h"

#include "platform/desktop/SymbolIcons.h"

#include <QGraphicsDropShadowEffect>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

HeroIcon::HeroIcon(QString systemName, QList<QColor> colors, QWidget* parent)
    : QWidget(parent)
    , systemName_(std::move(systemName))
    , colors_(std::move(colors)) {
    setFixedSize(76, 76);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    QColor shadowColor = colors_.isEmpty() ? QColor(Qt::black) : colors_.last();
    shadowColor.setAlphaF(0.35f);
    shadow->setColor(shadowColor);
    shadow->setBlurRadius(24);
    shadow->setOffset(0, 6);
    setGraphicsEffect(shadow);
    setAccessibleName(QString()); // decoration only
}

void HeroIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    for (qsizetype i = 0; i < colors_.size(); ++i)
        gradient.setColorAt(colors_.size() == 1 ? 0 : double(i) / double(colors_.size() - 1),
                            colors_[i]);
    QPainterPath square;
    square.addRoundedRect(QRectF(rect()), 20, 20);
    p.fillPath(square, gradient);
    const int symbol = 40;
    const QRect target((width() - symbol) / 2, (height() - symbol) / 2, symbol, symbol);
    SymbolIcons::paint(&p, target, systemName_, Qt::white);
}

StepIndicator::StepIndicator(int current, int count, QWidget* parent)
    : QWidget(parent)
    , current_(current)
    , count_(count) {
    setAccessibleName(tr("Step %1 of %2").arg(current + 1).arg(count));
    setFixedSize(sizeHint());
}

QSize StepIndicator::sizeHint() const {
    return QSize(24 + (count_ - 1) * (8 + 6), 8);
}

void StepIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    double x = 0;
    for (int i = 0; i < count_; ++i) {
        const double w = i == current_ ? 24 : 8;
        QColor color = accent;
        if (i < current_)
            color.setAlphaF(0.4f);
        else if (i > current_) {
            color = palette().color(QPalette::WindowText); // a faint grey on light and dark alike
            color.setAlphaF(0.2f);
        }
        QPainterPath bar;
        bar.addRoundedRect(QRectF(x, 0, w, 8), 4, 4);
        p.fillPath(bar, color);
        x += w + 6;
    }
}
