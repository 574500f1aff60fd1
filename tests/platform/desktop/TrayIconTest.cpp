#include "platform/desktop/TrayIcon.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// Where the panel does not colour the icon, it shows the tile: legible on a
// black panel and a white one, with its symbol legible on it.
TEST(TrayIcon, TheTileStandsOutOnDarkAndLightPanelsAndItsSymbolOnIt) {
    for (const int size : {16, 22, 32}) {
        const QImage image =
            TrayIcon::tile().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.width(), size);
        int tile = 0, symbol = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 255)
                    continue; // the rounded corners' edge
                if (c.lightness() > 200) {
                    ++symbol;
                    continue;
                }
                if (c.saturation() < 175)
                    continue; // where the symbol's edge blends into the tile
                ++tile;
                EXPECT_GE(contrast(c, Qt::black), 3.0) << size << " " << qPrintable(c.name());
                EXPECT_GE(contrast(c, Qt::white), 3.0) << size << " " << qPrintable(c.name());
            }
        }
        EXPECT_GT(tile, size * size / 3) << size;
        EXPECT_GT(symbol, size) << size << ": the symbol is drawn";
    }
}

// Where the panel draws the tray's icon by name, it must be able to colour
// it: GTK fills a symbolic icon's shapes with the panel's text colour (a
// stroke would keep its own), and Plasma replaces the current-color-scheme
// style; a fixed dark colour vanished on dark panels.
TEST(TrayIcon, TheInstalledSymbolicIconTakesThePanelsColour) {
    QFile file(qEnvironmentVariable("INKHARBOR_SOURCE_DIR") + u"/resources/desktop/icons/" +
               TrayIcon::symbolicName() + u".svg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    const QByteArray svg = file.readAll();
    EXPECT_FALSE(svg.contains("stroke"));
    EXPECT_TRUE(svg.contains("id=\"current-color-scheme\""));
    EXPECT_TRUE(svg.contains("class=\"ColorScheme-Text\" fill=\"currentColor\""));
    EXPECT_EQ(svg.count("fill="), 1) << "one fill, the current colour, for every shape";
}

} // namespace
