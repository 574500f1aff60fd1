#include "output/BusyIndicator.h"

#include <QPainter>

namespace {
constexpr int spokes = 12;
}

BusyIndicator::BusyIndicator(int size, QWidget* parent)
    : QWidget(parent) {
    setFixedSize(size, size);
    setAccessibleName(tr("Working"));
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % spokes;
        update();
    });
    timer_.start();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double radius = qMin(width(), height()) / 2.0;
    QColor color = palette().color(QPalette::Highlight);
    QPen pen(color, qMax(2.0, radius / 4.5), Qt::SolidLine, Qt::RoundCap);
    // The spoke at the current step is darkest; the ones behind it fade.
    for (int i = 0; i < spokes; ++i) {
        const int age = (step_ - i + spokes) % spokes;
        color.setAlphaF(float(1.0 - 0.8 * age / (spokes - 1)));
        pen.setColor(color);
        p.setPen(pen);
        p.save();
        p.rotate(360.0 * i / spokes);
        p.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
        p.restore();
    }
}
