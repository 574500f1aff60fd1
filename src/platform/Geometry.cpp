#include "platform/Geometry.h"

#include <algorithm>
#include <cmath>

namespace Geometry {

qint64 roundHalfAway(double value) {
    return std::isfinite(value) ? qint64(std::round(value)) : 0;
}

QSize pixelSize(const QSizeF& points, double scale) {
    // The scale is single precision on the platforms we mirror; so is ours.
    const double s = double(float(scale));
    return QSize(int(roundHalfAway(points.width() * s)), int(roundHalfAway(points.height() * s)));
}

QRect pixelRect(const QRectF& points, double scale) {
    const double s = double(float(scale));
    return QRect(QPoint(int(roundHalfAway(points.x() * s)), int(roundHalfAway(points.y() * s))),
                 pixelSize(points.size(), scale));
}

QRectF pixelsFromNormalized(const QRectF& box, const QSizeF& image) {
    // A normalised rectangle keeps y growing upwards: its maxY is the top edge.
    const double top = box.y() + box.height();
    return QRectF(box.x() * image.width(), (1.0 - top) * image.height(),
                  box.width() * image.width(), box.height() * image.height());
}

QRectF normalizedFromPixels(const QRectF& pixels, const QSizeF& image) {
    if (image.width() <= 0 || image.height() <= 0)
        return {};
    const double w = image.width(), h = image.height();
    return QRectF(pixels.x() / w, 1.0 - (pixels.y() + pixels.height()) / h, pixels.width() / w,
                  pixels.height() / h);
}

QPointF clamp(const QPointF& point, const QRectF& bounds) {
    return QPointF(std::clamp(point.x(), bounds.left(), bounds.left() + bounds.width()),
                   std::clamp(point.y(), bounds.top(), bounds.top() + bounds.height()));
}

QRectF spanned(const QPointF& a, const QPointF& b) {
    return QRectF(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()),
                  std::abs(a.y() - b.y()));
}

} // namespace Geometry

namespace SelectionLayout {

QString sizeLabelText(const QRectF& selection) {
    auto whole = [](double v) {
        return QString::number(std::isfinite(v) ? qint64(std::trunc(v)) : 0);
    };
    return whole(selection.width()) + QStringLiteral(" \u00D7 ") + whole(selection.height());
}

QRectF sizeLabelRect(const QRectF& selection, const QSizeF& labelSize, const QRectF& bounds) {
    const double x = selection.right() - labelSize.width();
    double top = selection.bottom() + 4;
    if (top + labelSize.height() > bounds.bottom())
        top = selection.bottom() - 4 - labelSize.height();
    return QRectF(QPointF(x, top), labelSize);
}

QRectF redrawArea(const QRectF& previous, const QRectF& current, const QRectF& bounds) {
    const QRectF both = previous.isNull() ? current : previous.united(current);
    return both.adjusted(-120, -40, 120, 40).intersected(bounds);
}

bool isLargeEnough(const QRectF& selection) {
    return selection.width() >= 4 && selection.height() >= 4;
}

} // namespace SelectionLayout
