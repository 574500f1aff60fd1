#include "settings/SwitchButton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int trackWidth = 38;
constexpr int trackHeight = 22;
constexpr int knobMargin = 3;
constexpr int focusMargin = 3; // room for the focus ring around the track
} // namespace

SwitchButton::SwitchButton(QWidget* parent)
    : QCheckBox(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize SwitchButton::sizeHint() const {
    return {trackWidth + 2 * focusMargin, trackHeight + 2 * focusMargin};
}

bool SwitchButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const bool on = isChecked();
    const bool dark = pal.color(QPalette::Window).lightness() < 128;
    if (!isEnabled())
        painter.setOpacity(0.45);

    const QRectF track((width() - trackWidth) / 2.0, (height() - trackHeight) / 2.0, trackWidth,
                       trackHeight);
    QColor fill = pal.color(QPalette::Highlight);
    if (!on) {
        fill = pal.color(QPalette::WindowText);
        fill.setAlphaF(dark ? 0.28f : 0.22f);
    }
    if (isDown())
        fill = fill.darker(115);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, trackHeight / 2.0, trackHeight / 2.0);

    const qreal knob = trackHeight - 2 * knobMargin;
    const qreal x = on ? track.right() - knobMargin - knob : track.left() + knobMargin;
    const QRectF knobRect(x, track.top() + knobMargin, knob, knob);
    painter.setBrush(QColor(0, 0, 0, 40)); // a soft shadow under the knob
    painter.drawEllipse(knobRect.translated(0, 0.8));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knobRect);

    if (hasFocus() && focusRing_.isShown()) {
        QColor ring = pal.color(QPalette::Highlight);
        ring.setAlphaF(on ? 0.55f : 0.9f);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ring, 2));
        const qreal grow = focusMargin - 1.0;
        painter.drawRoundedRect(track.adjusted(-grow, -grow, grow, grow), trackHeight / 2.0 + grow,
                                trackHeight / 2.0 + grow);
    }
}

void SwitchButton::focusInEvent(QFocusEvent* event) {
    focusRing_.focusGained(event->reason());
    QCheckBox::focusInEvent(event);
}

void SwitchButton::keyPressEvent(QKeyEvent* event) {
    if (focusRing_.keyPressed())
        update();
    QCheckBox::keyPressEvent(event);
}
