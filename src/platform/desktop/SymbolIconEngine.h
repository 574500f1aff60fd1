#pragma once

#include <QByteArray>
#include <QIconEngine>

// Draws one of our line-art symbols in the palette's text colour, so the same
// SVG works on light and dark palettes and greys out when disabled.
class SymbolIconEngine : public QIconEngine {
public:
    explicit SymbolIconEngine(QByteArray svg);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override;
    QString key() const override;

    // The SVG with currentColor replaced.
    QByteArray svgIn(const QColor& color) const;

private:
    QByteArray svg_;
};
