#include "shell/FlowGeometry.h"

#include <algorithm>
#include <limits>

namespace FlowGeometry {

QList<Row> breakIntoRows(const QList<QSizeF>& sizes, double maximumWidth, double spacing) {
    QList<Row> rows;
    Row current;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const double w = sizes[i].width(), h = sizes[i].height();
        if (!current.indices.isEmpty() && maximumWidth < current.width + spacing + w) {
            rows.append(current);
            current = Row{{i}, w, h};
            continue;
        }
        current.width = current.indices.isEmpty() ? w : current.width + spacing + w;
        current.height = std::max(current.height, h);
        current.indices.append(i);
    }
    if (!current.indices.isEmpty())
        rows.append(current);
    return rows;
}

QSizeF sizeThatFits(const QList<QSizeF>& sizes, std::optional<double> proposedWidth,
                    double spacing) {
    const QList<Row> rows = breakIntoRows(
        sizes, proposedWidth.value_or(std::numeric_limits<double>::infinity()), spacing);
    if (rows.isEmpty())
        return QSizeF(0, 0);
    double width = 0, height = spacing * double(rows.size() - 1);
    for (const Row& r : rows) {
        width = std::max(width, r.width);
        height += r.height;
    }
    return QSizeF(width, height);
}

QList<QRectF> place(const QList<QSizeF>& sizes, const QRectF& bounds, double spacing) {
    QList<QRectF> frames(sizes.size());
    double y = bounds.top();
    for (const Row& row : breakIntoRows(sizes, bounds.width(), spacing)) {
        double x = bounds.left() + (bounds.width() - row.width) * 0.5;
        for (qsizetype i : row.indices) {
            const QSizeF s = sizes[i];
            frames[i] = QRectF(QPointF(x, y + (row.height - s.height()) * 0.5), s);
            x += spacing + s.width();
        }
        y += spacing + row.height;
    }
    return frames;
}

} // namespace FlowGeometry
