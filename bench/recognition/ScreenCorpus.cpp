#include "ScreenCorpus.h"

#include "CorpusTexts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

struct Theme {
    QColor foreground;
    QColor background;
    QColor gradientEnd; // invalid: a plain background
};

const QStringList sansFonts = {u"Cantarell"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s,
                               u"Noto Sans"_s, u"Open Sans"_s,   u"Roboto"_s};
const QStringList monoFonts = {u"DejaVu Sans Mono"_s, u"Hack"_s, u"Inconsolata"_s,
                               u"Liberation Mono"_s, u"Noto Mono"_s};

const QList<Theme> lightThemes = {{QColor(0x1e1e1e), QColor(0xffffff), {}},
                                  {QColor(0x2e3436), QColor(0xf6f5f4), {}},
                                  {QColor(Qt::black), QColor(0xfafafa), {}}};
const QList<Theme> darkThemes = {{QColor(0xffffff), QColor(0x242424), {}},
                                 {QColor(0xdeddda), QColor(0x1e1e1e), {}},
                                 {QColor(0xe0e0e0), QColor(0x2b2b2b), {}}};
const QList<Theme> lowContrastThemes = {{QColor(0x8a8a8a), QColor(0xffffff), {}},
                                        {QColor(0x777777), QColor(0xe8e8e8), {}},
                                        {QColor(0x9a9a9a), QColor(0xf2f2f2), {}},
                                        {QColor(0x8c8c8c), QColor(0x303030), {}},
                                        {QColor(0x6e6e6e), QColor(0x1e1e1e), {}}};
const QList<Theme> colouredThemes = {
    {QColor(0xffffff), QColor(0x3584e4), {}},
    {QColor(Qt::black), QColor(0xf6d32d), {}},
    {QColor(0xffffff), QColor(0xc01c28), {}},
    {QColor(0x1a5fb4), QColor(0xe3f0ff), {}},
    {QColor(0xffffff), QColor(0x26a269), {}},
    {QColor(0xffffff), QColor(0x1c71d8), QColor(0x813d9c)},
    {QColor(0x241f31), QColor(0xfdf6e3), QColor(0xb5d3ff)},
    {QColor(0xf6f5f4), QColor(0x241f31), QColor(0x5e5c64)},
};

// What one image shows and how.
struct Layout {
    QStringList lines;
    QString family;
    int pixelSize = 12;
    int scale = 1;
    Theme theme;
    double lineSpacing = 1.0; // multiple of the font's line spacing
    bool rightToLeft = false;
    bool boldFirstLine = false;
    // Lines drawn on a band of their own colours (a title bar, a selected row).
    QMap<qsizetype, Theme> bands;
};

QImage render(const Layout& layout) {
    QFont font(layout.family);
    font.setPixelSize(layout.pixelSize * layout.scale);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font);
    const double margin = 14.0 * layout.scale;
    const double step = metrics.lineSpacing() * layout.lineSpacing;
    double width = 0;
    for (const auto& line : layout.lines)
        width = std::max(width, QFontMetricsF(bold).horizontalAdvance(line));
    const QSize size(int(width + 2 * margin), int(step * layout.lines.size() + 2 * margin));

    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    if (layout.theme.gradientEnd.isValid()) {
        QLinearGradient gradient(0, 0, size.width(), size.height());
        gradient.setColorAt(0, layout.theme.background);
        gradient.setColorAt(1, layout.theme.gradientEnd);
        painter.fillRect(image.rect(), gradient);
    } else {
        painter.fillRect(image.rect(), layout.theme.background);
    }
    // Never clipped to the line's band, so that underscores and descenders stay
    // visible however tight the lines are.
    const int flags =
        Qt::TextDontClip | Qt::AlignVCenter | (layout.rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    painter.setLayoutDirection(layout.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    double top = margin;
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        painter.setFont(i == 0 && layout.boldFirstLine ? bold : font);
        painter.setPen(layout.theme.foreground);
        if (layout.bands.contains(i)) {
            const Theme& band = layout.bands[i];
            const double top0 = i == 0 ? 0 : top;
            painter.fillRect(QRectF(0, top0, size.width(), top + step - top0), band.background);
            painter.setPen(band.foreground);
        }
        painter.drawText(QRectF(margin, top, size.width() - 2 * margin, step), flags,
                         layout.lines[i]);
        top += step;
    }
    return image;
}

QStringList wrap(const QString& paragraph, const QFont& font, double maxWidth) {
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString line;
    for (const auto& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

class Generator {
public:
    QList<CorpusSample> samples;

    void interfaceImages(const QString& imageClass, int count, const QList<Theme>& themes,
                         int minSize, int maxSize, int scale = 1,
                         const QString& language = u"en"_s) {
        const QStringList bank = CorpusTexts::interfaceLines(language);
        for (int i = 0; i < count; ++i) {
            Layout layout = base(sansFonts, themes, minSize, maxSize, scale, language);
            const int lineCount = 4 + int(random_.bounded(5));
            const int start = int(random_.bounded(bank.size()));
            for (int k = 0; k < lineCount; ++k)
                layout.lines << bank[(start + k * 11) % bank.size()];
            layout.lineSpacing = 1.3 + random_.bounded(0.6);
            layout.boldFirstLine = random_.bounded(3) == 0;
            add(imageClass, language, layout);
        }
    }

    // A dark title bar over light rows with one selected row, or the reverse.
    void mixedImages(const QString& imageClass, int count) {
        const QStringList bank = CorpusTexts::interfaceLines(u"en"_s);
        for (int i = 0; i < count; ++i) {
            const bool dark = i % 2;
            Layout layout = base(sansFonts, dark ? darkThemes : lightThemes, 11, 13, 1, u"en"_s);
            const int lineCount = 5 + int(random_.bounded(3));
            const int start = int(random_.bounded(bank.size()));
            for (int k = 0; k < lineCount; ++k)
                layout.lines << bank[(start + k * 5) % bank.size()];
            layout.lineSpacing = 1.6;
            layout.boldFirstLine = true;
            layout.bands[0] = dark ? lightThemes[1] : darkThemes[0];
            layout.bands[2 + int(random_.bounded(lineCount - 2))] =
                Theme{QColor(0xffffff), QColor(0x3584e4), {}};
            add(imageClass, u"en"_s, layout);
        }
    }

    void paragraphImages(const QString& imageClass, int count, const QList<Theme>& themes,
                         int minSize, int maxSize, const QString& language = u"en"_s) {
        const QStringList bank = CorpusTexts::paragraphs(language);
        for (int i = 0; i < count; ++i) {
            Layout layout = base(sansFonts, themes, minSize, maxSize, 1, language);
            QFont font(layout.family);
            font.setPixelSize(layout.pixelSize);
            const double width = 320 + random_.bounded(260);
            const QString text = bank[(i * 3) % bank.size()];
            layout.lines = wrap(text, font, width);
            add(imageClass, language, layout);
        }
    }

    void codeImages(const QString& imageClass, int count) {
        const QStringList bank = CorpusTexts::codeSnippets();
        for (int i = 0; i < count; ++i) {
            Layout layout = base(monoFonts, i % 2 ? darkThemes : lightThemes, 11, 13, 1, u"en"_s);
            layout.lines = bank[i % bank.size()].split(u'\n');
            add(imageClass, u"en"_s, layout);
        }
    }

private:
    Layout base(const QStringList& fonts, const QList<Theme>& themes, int minSize, int maxSize,
                int scale, const QString& language) {
        Layout layout;
        const bool rtl = language == u"he" || language == u"ar";
        layout.family = rtl ? (language == u"he" ? u"Noto Sans Hebrew"_s : u"Noto Sans Arabic"_s)
                            : fonts[next_++ % fonts.size()];
        layout.pixelSize = minSize + int(random_.bounded(maxSize - minSize + 1));
        layout.scale = scale;
        layout.theme = themes[int(random_.bounded(themes.size()))];
        layout.rightToLeft = rtl;
        return layout;
    }

    void add(const QString& imageClass, const QString& language, const Layout& layout) {
        CorpusSample sample;
        sample.name =
            QStringLiteral("%1-%2").arg(imageClass).arg(samples.size(), 3, 10, QLatin1Char('0'));
        sample.name.replace(u' ', u'-');
        sample.imageClass = imageClass;
        sample.language = language;
        sample.image = render(layout);
        sample.truth = layout.lines.join(u'\n');
        samples << sample;
    }

    QRandomGenerator random_{20240314};
    int next_ = 0;
};

} // namespace

namespace ScreenCorpus {

QList<CorpusSample> generate() {
    Generator g;
    g.interfaceImages(u"light"_s, 10, lightThemes, 11, 13);
    g.interfaceImages(u"dark"_s, 10, darkThemes, 11, 13);
    g.interfaceImages(u"2x"_s, 4, lightThemes, 11, 13, 2);
    g.interfaceImages(u"2x"_s, 4, darkThemes, 11, 13, 2);
    g.paragraphImages(u"paragraphs"_s, 4, lightThemes, 11, 13);
    g.paragraphImages(u"paragraphs"_s, 4, darkThemes, 11, 13);
    g.codeImages(u"code"_s, 8);
    g.interfaceImages(u"coloured"_s, 10, colouredThemes, 11, 13);
    g.mixedImages(u"mixed"_s, 6);
    g.interfaceImages(u"small"_s, 5, lightThemes, 8, 10);
    g.interfaceImages(u"small"_s, 5, darkThemes, 8, 10);
    g.interfaceImages(u"low contrast"_s, 10, lowContrastThemes, 10, 13);
    for (const auto& language : {u"de"_s, u"fr"_s, u"es"_s}) {
        g.interfaceImages(language, 2, lightThemes, 11, 13, 1, language);
        g.paragraphImages(language, 2, lightThemes, 11, 13, language);
    }
    for (const auto& language : {u"he"_s, u"ar"_s}) {
        g.interfaceImages(language, 2, lightThemes, 12, 14, 1, language);
        g.paragraphImages(language, 1, lightThemes, 12, 14, language);
    }
    return g.samples;
}

QImage sampleScreenshot() {
    // A small window: a dark title bar, a few lines of text and a button.
    QImage image(560, 236, QImage::Format_RGB32);
    image.fill(QColor(0xf6f5f4));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont title(u"Cantarell"_s);
    title.setPixelSize(14);
    title.setBold(true);
    QFont body(u"Cantarell"_s);
    body.setPixelSize(14);

    painter.fillRect(0, 0, image.width(), 38, QColor(0x303030));
    painter.setPen(QColor(0xffffff));
    painter.setFont(title);
    painter.drawText(QRect(0, 0, image.width(), 38), Qt::AlignCenter, u"Getting Started"_s);

    painter.setPen(QColor(0x2e3436));
    painter.setFont(title);
    painter.drawText(24, 72, u"Welcome to Inkharbor"_s);
    painter.setFont(body);
    const QStringList lines{u"Press Control-Shift-T and drag over any text on the screen."_s,
                            u"The text is recognised on this computer and copied."_s,
                            u"Nothing leaves the machine unless you ask for a web search."_s};
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(24, 102 + int(i) * 24, lines[i]);

    const QRect button(image.width() - 24 - 128, 180, 128, 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3584e4));
    painter.drawRoundedRect(button, 6, 6);
    painter.setPen(QColor(0xffffff));
    painter.setFont(title);
    painter.drawText(button, Qt::AlignCenter, u"Capture Text"_s);
    return image;
}

} // namespace ScreenCorpus
