#include "platform/desktop/TrayIcon.h"

#include "platform/desktop/SymbolIcons.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace TrayIcon {
namespace {

const QString symbol = QStringLiteral("text.viewfinder");

// A blue dark enough for the white symbol and light enough to stand out on a
// black panel: contrast at least 3:1 with black, white and the symbol.
const QColor tileTop(0x2F, 0x80, 0xED);
const QColor tileBottom(0x1A, 0x5F, 0xD0);

// The viewfinder drawn for panel sizes on the pixel grid: four corners and two
// lines of text, each stroke a whole number of pixels with gaps at least as
// wide, so that 16 and 22 pixels stay sharp where a scaled drawing blurs.
void paintTileSymbol(QPainter& painter, int size, qreal ratio) {
    const qreal pixel = 1 / ratio;
    const qreal pen = std::max(1.0, std::round(size * ratio / 11.0)) * pixel;
    const qreal box = std::round(size * ratio * 0.64) * pixel;
    const qreal left = std::round((size - box) * ratio / 2) * pixel;
    const qreal right = left + box, top = left, bottom = left + box;
    const qreal arm = std::round(box * ratio * 0.3) * pixel;
    QPainterPath corners;
    for (const auto& [x, y, dx, dy] :
         {std::array{left, top, 1.0, 1.0}, std::array{right, top, -1.0, 1.0},
          std::array{left, bottom, 1.0, -1.0}, std::array{right, bottom, -1.0, -1.0}}) {
        // The stroke lies inside the box's edge.
        const qreal cx = x + dx * pen / 2, cy = y + dy * pen / 2;
        corners.moveTo(cx, cy + dy * (arm - pen / 2));
        corners.lineTo(cx, cy);
        corners.lineTo(cx + dx * (arm - pen / 2), cy);
    }
    painter.setPen(QPen(Qt::white, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(corners);
    // A line of an odd number of pixels is centred between two pixel rows.
    const qreal middle =
        std::round(size * ratio / 2) * pixel + (int(std::round(pen * ratio)) % 2 ? pixel / 2 : 0);
    const qreal textLeft = left + std::round(box * ratio * 0.27) * pixel;
    const qreal textRight = right - std::round(box * ratio * 0.27) * pixel;
    painter.setPen(QPen(Qt::white, pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(textLeft, middle - pen), QPointF(textRight, middle - pen));
    painter.drawLine(QPointF(textLeft, middle + pen),
                     QPointF(textLeft + (textRight - textLeft) * 0.6, middle + pen));
}

QPixmap tilePixmap(int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size, size);
    gradient.setColorAt(0, tileTop);
    gradient.setColorAt(1, tileBottom);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, size, size), size * 0.22, size * 0.22);
    painter.fillPath(shape, gradient);
    paintTileSymbol(painter, size, ratio);
    return pixmap;
}

} // namespace

QString symbolicName() {
    return QStringLiteral("app.inkharbor.Inkharbor-symbolic");
}

bool hasStatusNotifierHost() {
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
    // A watcher that does not answer soon is taken for none: start-up waits here.
    const QDBusMessage reply = bus.call(get, QDBus::Block, 500);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

bool panelColorsIcon() {
    return QIcon::hasThemeIcon(symbolicName()) && hasStatusNotifierHost();
}

QIcon icon() {
    return panelColorsIcon() ? QIcon::fromTheme(symbolicName()) : tile();
}

QIcon tile() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(tilePixmap(size, 1));
    return icon;
}

QPixmap preview(int size, const QColor& textColor, qreal devicePixelRatio) {
    return panelColorsIcon() ? SymbolIcons::pixmap(symbol, textColor, size, devicePixelRatio)
                             : tilePixmap(size, devicePixelRatio);
}

} // namespace TrayIcon
