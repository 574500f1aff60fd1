#include "platform/desktop/SymbolIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

QColor colorFor(QIcon::Mode mode) {
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
    case QIcon::Disabled:
        return palette.color(QPalette::Disabled, QPalette::ButtonText);
    case QIcon::Selected:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    default:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    }
}

} // namespace

SymbolIconEngine::SymbolIconEngine(QByteArray svg)
    : svg_(std::move(svg)) {}

QByteArray SymbolIconEngine::svgIn(const QColor& color) const {
    QByteArray svg = svg_;
    svg.replace("currentColor", color.name(QColor::HexRgb).toLatin1());
    return svg;
}

void SymbolIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    QSvgRenderer renderer(svgIn(colorFor(mode)));
    renderer.render(painter, rect);
}

QPixmap SymbolIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap SymbolIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                       qreal scale) {
    const QColor color = colorFor(mode);
    const QSize pixels = size * scale;
    const QString cacheKey = QStringLiteral("symbol:%1:%2x%3:%4")
                                 .arg(qHash(svg_))
                                 .arg(pixels.width())
                                 .arg(pixels.height())
                                 .arg(color.rgba());
    QPixmap pixmap;
    if (!QPixmapCache::find(cacheKey, &pixmap)) {
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(svgIn(color));
        renderer.render(&painter, QRectF(QPointF(0, 0), pixels));
        painter.end();
        QPixmapCache::insert(cacheKey, pixmap);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QIconEngine* SymbolIconEngine::clone() const {
    return new SymbolIconEngine(svg_);
}

QString SymbolIconEngine::key() const {
    return QStringLiteral("InkharborSymbol");
}
