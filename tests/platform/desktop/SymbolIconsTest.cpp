#include "platform/desktop/SymbolIcons.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// The colour of the most opaque pixel: what the symbol was drawn in.
QColor inkOf(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QColor ink;
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > best) {
                best = c.alpha();
                ink = c;
            }
        }
    }
    return ink;
}

TEST(SymbolIcons, EverySymbolHasADrawing) {
    for (const QString& name : SymbolIcons::symbolNames()) {
        const QIcon icon = SymbolIcons::ownIcon(name);
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        EXPECT_TRUE(inkOf(icon.pixmap(24, 24)).isValid()) << name.toStdString();
    }
    EXPECT_TRUE(SymbolIcons::icon(QStringLiteral("no.such.symbol")).isNull());
    EXPECT_TRUE(SymbolIcons::svg(QStringLiteral("../icons.qrc"), Qt::black).isEmpty());
}

TEST(SymbolIcons, OwnDrawingsFollowThePaletteAndDisabledState) {
    const QPalette original = QApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(250, 10, 10));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(10, 10, 250));
    QApplication::setPalette(palette);
    const QIcon icon = SymbolIcons::ownIcon(QStringLiteral("magnifyingglass"));
    EXPECT_EQ(inkOf(icon.pixmap(32, 32)).rgb(), QColor(250, 10, 10).rgb());
    EXPECT_EQ(inkOf(icon.pixmap(QSize(32, 32), QIcon::Disabled)).rgb(), QColor(10, 10, 250).rgb());
    QApplication::setPalette(original);
}

} // namespace
