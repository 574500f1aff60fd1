#include "settings/SettingsTabButton.h"

#include "platform/desktop/SymbolIcons.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int symbolSize = 24;
constexpr int padding = 5;
constexpr int tabMinimumWidth = 76;
} // namespace

SettingsTabButton::SettingsTabButton(const QString& title, const QString& symbolName,
                                     QWidget* parent)
    : QAbstractButton(parent)
    , symbolName_(symbolName) {
    setText(title);
    setAccessibleName(title);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SettingsTabButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int width = std::max(tabMinimumWidth, metrics.horizontalAdvance(text()) + 4 * padding);
    return {width, padding + symbolSize + 3 + metrics.height() + padding};
}

void SettingsTabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor accent = pal.color(QPalette::Highlight);
    const QRectF bounds = QRectF(rect()).adjusted(1, 1, -1, -1);

    if (isChecked() || hovered_ || isDown()) {
        QColor fill = isChecked() ? accent : pal.color(QPalette::WindowText);
        fill.setAlphaF(isChecked() ? 0.16f : 0.07f);
        QPainterPath shape;
        shape.addRoundedRect(bounds, 7, 7);
        painter.fillPath(shape, fill);
    }
    if (hasFocus() && focusRing_.isShown()) {
        QColor ring = accent;
        ring.setAlphaF(0.8f);
        painter.setPen(QPen(ring, 2));
        painter.drawRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    }

    // The accent colour only where it still reads against the window.
    QColor symbolColor = pal.color(QPalette::WindowText);
    if (isChecked())
        symbolColor = pal.color(QPalette::Window).lightness() < 128 ? accent.lighter(140) : accent;
    const QRect iconRect((width() - symbolSize) / 2, padding, symbolSize, symbolSize);
    SymbolIcons::paint(&painter, iconRect, symbolName_, symbolColor);

    painter.setPen(isChecked() ? symbolColor : pal.color(QPalette::WindowText));
    const QRect textRect(0, iconRect.bottom() + 3, width(), height() - iconRect.bottom() - 3);
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, text());
}

void SettingsTabButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SettingsTabButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SettingsTabButton::focusInEvent(QFocusEvent* event) {
    focusRing_.focusGained(event->reason());
    QAbstractButton::focusInEvent(event);
}

void SettingsTabButton::keyPressEvent(QKeyEvent* event) {
    if (focusRing_.keyPressed())
        update();
    QAbstractButton::keyPressEvent(event);
}
