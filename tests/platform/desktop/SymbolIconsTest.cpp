#include "platform/desktop/SymbolIcons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QTemporaryDir>

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

} // namespace
