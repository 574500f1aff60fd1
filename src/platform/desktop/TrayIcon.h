#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The tray item's icon, legible on dark and light panels alike.
//
// A StatusNotifierItem host (KDE Plasma, GNOME's AppIndicator extension,
// Xfce, Cinnamon, MATE, Budgie, most Wayland bars) loads an icon by name from
// the icon theme and draws a symbolic one in the panel's own text colour. So
// where such a host is there and the installed theme has our symbolic icon,
// that is what the tray names. Anywhere else (an XEmbed tray, which shows our
// pixels on a panel of unknown colour, or a run from the build folder, where
// no theme has the icon) the tray shows a white symbol on a coloured tile.
namespace TrayIcon {

// The icon theme's name for the tray's symbolic icon, installed with the program.
QString symbolicName();

// Whether a StatusNotifierItem host is on the session bus: then Qt's tray
// talks to it instead of drawing into an XEmbed tray.
bool hasStatusNotifierHost();

// Whether the panel draws the icon in its own colours: a host and the icon.
bool panelColorsIcon();

QIcon icon();
// The white symbol on its tile, at the usual panel sizes.
QIcon tile();
// The icon as the panel shows it, for a window that points at it: the symbol
// in the given text colour where the panel colours it, else the tile.
QPixmap preview(int size, const QColor& textColor, qreal devicePixelRatio = 2);

} // namespace TrayIcon
