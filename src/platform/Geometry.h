#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

// Every conversion between the program's coordinate systems, in one place:
//  - global desktop coordinates: logical pixels ("points"), the union of all
//    displays, origin at the top-left of the desktop;
//  - display coordinates: points relative to one display's top-left corner
//    (a selection's rectangle);
//  - image pixels: device pixels of a captured image, origin top-left;
//  - normalised boxes: 0…1 of an image, origin at its bottom-left corner (how
//    the recogniser and the barcode detector report positions).
namespace Geometry {

// Rounds halves away from zero.
qint64 roundHalfAway(double value);

// The pixel size of a rectangle of points on a display of the given scale.
QSize pixelSize(const QSizeF& points, double scale);
// The pixel rectangle of a display-relative rectangle of points in an image
// of that display taken at the given scale.
QRect pixelRect(const QRectF& points, double scale);

// A normalised bottom-left box as top-left pixels of an image of that size.
QRectF pixelsFromNormalized(const QRectF& box, const QSizeF& image);
// Top-left pixels of an image as a normalised bottom-left box.
QRectF normalizedFromPixels(const QRectF& pixels, const QSizeF& image);

// A point clamped into a rectangle (edges included).
QPointF clamp(const QPointF& point, const QRectF& bounds);
// The rectangle spanned by two corners, whichever way the drag went.
QRectF spanned(const QPointF& a, const QPointF& b);

} // namespace Geometry

// Layout of the selection overlay, in view coordinates (points from the
// display's top-left corner).
namespace SelectionLayout {
// Width and height truncated to whole points, as "320 × 48".
QString sizeLabelText(const QRectF& selection);
// Right-aligned with the selection, 4 points below it; inside its lower edge
// when it would leave the display.
QRectF sizeLabelRect(const QRectF& selection, const QSizeF& labelSize, const QRectF& bounds);
// What to repaint when the selection changes: both rectangles grown by room
// for the label, within the bounds.
QRectF redrawArea(const QRectF& previous, const QRectF& current, const QRectF& bounds);
// A drag smaller than this in either direction is a click.
bool isLargeEnough(const QRectF& selection);
} // namespace SelectionLayout
