#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
#include <QStringList>

// The icons the windows name by platform symbol ("speaker.wave.2",
// "magnifyingglass", ...): the desktop theme's freedesktop icon where the
// theme has one, else our own line-art SVG, drawn in the palette's colours.
namespace SymbolIcons {

// The theme's icon where it has one of the symbol's names, else our drawing.
// A null icon for a name not in the table.
QIcon icon(const QString& symbolName);
// Always our own drawing, whatever the theme has (for places that colour it themselves).
QIcon ownIcon(const QString& symbolName);
// Our SVG for the symbol with currentColor replaced; empty for unknown names.
QByteArray svg(const QString& symbolName, const QColor& color);
// The freedesktop icon names tried before our own drawing, in order; none
// where no standard name fits.
QStringList themeNames(const QString& symbolName);
QStringList symbolNames();
// Our drawing in one fixed colour (a white symbol on a coloured tile, a green tick).
void paint(QPainter* painter, const QRectF& target, const QString& symbolName, const QColor& color);
QPixmap pixmap(const QString& symbolName, const QColor& color, int size,
               qreal devicePixelRatio = 2);

} // namespace SymbolIcons
