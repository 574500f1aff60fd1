// Our icons: the symbols in windows and menus, and the tray icon.
#include "platform/desktop/SymbolIcons.h"
#include "platform/desktop/TrayIcon.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

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

TEST(SymbolIcons, EverySymbolHasADrawingInThePalettesColours) {
    for (const QString& name : SymbolIcons::symbolNames()) {
        const QIcon icon = SymbolIcons::ownIcon(name);
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        EXPECT_TRUE(inkOf(icon.pixmap(24, 24)).isValid()) << name.toStdString();
    }
    EXPECT_TRUE(SymbolIcons::icon(QStringLiteral("no.such.symbol")).isNull());
    EXPECT_TRUE(SymbolIcons::svg(QStringLiteral("../icons.qrc"), Qt::black).isEmpty());

    // Our drawings follow the palette and the disabled state.
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

TEST(SymbolIcons, TheDesktopsIconThemeComesFirstOurDrawingLast) {
    QTemporaryDir dir;
    const QString theme = dir.filePath(QStringLiteral("test-theme"));
    QDir().mkpath(theme + QStringLiteral("/16x16/actions"));
    QFile index(theme + QStringLiteral("/index.theme"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Test\nDirectories=16x16/actions\n\n"
                "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    QPixmap red(16, 16);
    red.fill(Qt::red);
    const auto install = [&](const char* name) {
        red.save(theme + QStringLiteral("/16x16/actions/") + QLatin1String(name) + u".png");
    };
    install("edit-find"); // only the second name for a search
    install("edit-copy");
    const QStringList paths = QIcon::themeSearchPaths();
    const QString name = QIcon::themeName();
    QIcon::setThemeSearchPaths({dir.path()});
    QIcon::setThemeName(QStringLiteral("test-theme"));

    EXPECT_EQ(inkOf(SymbolIcons::icon(QStringLiteral("doc.on.doc")).pixmap(16, 16)).rgb(),
              QColor(Qt::red).rgb());
    EXPECT_EQ(SymbolIcons::icon(QStringLiteral("magnifyingglass")).name(),
              QStringLiteral("edit-find"));
    // No standard name, or none in the theme: our own drawing.
    EXPECT_TRUE(SymbolIcons::icon(QStringLiteral("speaker.wave.2")).name().isEmpty());
    EXPECT_FALSE(SymbolIcons::icon(QStringLiteral("speaker.wave.2")).isNull());

    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(name);
}

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
