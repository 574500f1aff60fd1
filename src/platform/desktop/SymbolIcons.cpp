#include "platform/desktop/SymbolIcons.h"

#include <QPainter>
#include <QSvgRenderer>

#include "platform/desktop/SymbolIconEngine.h"

#include <QFile>

#include <array>

static void initializeSymbolResources() {
    // The icons live in a static library; registering them by hand keeps the
    // linker from dropping them.
    static const bool initialized = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)initialized;
}

namespace SymbolIcons {
namespace {

struct Symbol {
    const char* name;
    // Standard freedesktop icon names, tried in order; "" for none.
    const char* themeName;
    const char* otherThemeName = "";
};

// Filled and compound symbols have no standard name that looks like them.
constexpr std::array symbols{
    Symbol{"speaker.wave.2", "audio-volume-high"},
    Symbol{"translate", ""},
    Symbol{"character.book.closed", "accessories-dictionary"},
    Symbol{"magnifyingglass", "system-search", "edit-find"},
    Symbol{"doc.on.doc", "edit-copy"},
    Symbol{"trash", "edit-delete"},
    Symbol{"text.viewfinder", ""},
    Symbol{"gearshape", "preferences-system"},
    Symbol{"keyboard", "input-keyboard"},
    Symbol{"info.circle", "help-about"},
    Symbol{"checkmark.shield.fill", ""},
    Symbol{"lock.shield.fill", ""},
    Symbol{"checkmark.circle.fill", ""},
    Symbol{"cursorarrow.and.square.on.square.dashed", ""},
};

const Symbol* find(const QString& name) {
    for (const Symbol& symbol : symbols) {
        if (name == QLatin1String(symbol.name))
            return &symbol;
    }
    return nullptr;
}

QByteArray ownSvg(const QString& name) {
    initializeSymbolResources();
    QFile file(u":/symbols/" + name + u".svg");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QIcon ownIcon(const QString& symbolName) {
    if (!find(symbolName))
        return {};
    QByteArray data = ownSvg(symbolName);
    if (data.isEmpty())
        return {};
    return QIcon(new SymbolIconEngine(std::move(data)));
}

QIcon icon(const QString& symbolName) {
    for (const QString& theme : themeNames(symbolName))
        if (QIcon::hasThemeIcon(theme))
            return QIcon::fromTheme(theme);
    return ownIcon(symbolName);
}

QByteArray svg(const QString& symbolName, const QColor& color) {
    if (!find(symbolName))
        return {};
    const QByteArray data = ownSvg(symbolName);
    return data.isEmpty() ? data : SymbolIconEngine(data).svgIn(color);
}

void paint(QPainter* painter, const QRectF& target, const QString& symbolName,
           const QColor& color) {
    QSvgRenderer renderer(svg(symbolName, color));
    if (renderer.isValid())
        renderer.render(painter, target);
}

QPixmap pixmap(const QString& symbolName, const QColor& color, int size, qreal devicePixelRatio) {
    QPixmap image(QSize(size, size) * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(&painter, QRectF(0, 0, size, size), symbolName, color);
    return image;
}

QStringList themeNames(const QString& symbolName) {
    QStringList names;
    if (const Symbol* symbol = find(symbolName))
        for (const char* name : {symbol->themeName, symbol->otherThemeName})
            if (*name)
                names << QString::fromLatin1(name);
    return names;
}

QStringList symbolNames() {
    QStringList names;
    for (const Symbol& symbol : symbols)
        names.append(QString::fromLatin1(symbol.name));
    return names;
}

} // namespace SymbolIcons
