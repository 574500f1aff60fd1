#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

#include <optional>

// Rows of items placed left to right, a new row when the next item would
// not fit, every row centred and every item centred vertically in its row.
namespace FlowGeometry {

struct Row {
    QList<qsizetype> indices;
    double width = 0;
    double height = 0;
};

QList<Row> breakIntoRows(const QList<QSizeF>& sizes, double maximumWidth, double spacing);
// The size needed; an open width puts every item in one row.
QSizeF sizeThatFits(const QList<QSizeF>& sizes, std::optional<double> proposedWidth,
                    double spacing);
// Each item's rectangle within the bounds, in item order.
QList<QRectF> place(const QList<QSizeF>& sizes, const QRectF& bounds, double spacing);

} // namespace FlowGeometry
