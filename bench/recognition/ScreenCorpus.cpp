#include "ScreenCorpus.h"

#include "CorpusTexts.h"
#include "LayoutTexts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

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

// Terminal colour schemes: default dark and light profiles, Solarized, Tango, green on black.
const QList<Theme> terminalThemes = {
    {QColor(0xd0cfcc), QColor(0x171421), {}}, {QColor(0x171421), QColor(0xffffff), {}},
    {QColor(0x839496), QColor(0x002b36), {}}, {QColor(0x657b83), QColor(0xfdf6e3), {}},
    {QColor(0xd3d7cf), QColor(0x2e3436), {}}, {QColor(0x33ff66), QColor(Qt::black), {}}};
const QStringList terminalFonts = {u"DejaVu Sans Mono"_s, u"Hack"_s, u"Inconsolata"_s,
                                   u"Noto Mono"_s};

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

    // Command output as a terminal shows it: a monospace grid without gaps
    // between rows, sometimes ending in a prompt with a block cursor.
    void terminalImages(const QString& imageClass, int count) {
        const QStringList bank = LayoutTexts::listings();
        for (int i = 0; i < count; ++i) {
            const Theme theme = terminalThemes[i % terminalThemes.size()];
            const int scale = i % 4 == 3 ? 2 : 1;
            QFont font(terminalFonts[(i / 2 + i) % terminalFonts.size()]);
            font.setPixelSize((12 + int(random_.bounded(4))) * scale);
            QStringList lines = bank[i % bank.size()].split(u'\n');
            const bool cursor = i % 3 == 0;
            if (cursor)
                lines << u"$ "_s;
            const QFontMetricsF metrics(font);
            const double margin = 8.0 * scale;
            const double step = std::ceil(metrics.height());
            double width = metrics.horizontalAdvance(u"M"_s) * 4;
            for (const auto& line : lines)
                width = std::max(width, metrics.horizontalAdvance(line));
            QImage image(int(width + 2 * margin), int(step * double(lines.size()) + 2 * margin),
                         QImage::Format_RGB32);
            image.fill(theme.background);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setFont(font);
            painter.setPen(theme.foreground);
            for (qsizetype k = 0; k < lines.size(); ++k)
                painter.drawText(QPointF(margin, margin + double(k) * step + metrics.ascent()),
                                 lines[k]);
            if (cursor) {
                const double x = margin + metrics.horizontalAdvance(lines.last());
                painter.fillRect(QRectF(x, margin + double(lines.size() - 1) * step,
                                        metrics.horizontalAdvance(u"M"_s), step),
                                 theme.foreground);
            }
            painter.end();
            addImage(imageClass, image, lines.join(u'\n'));
        }
    }

    // Cells at aligned column positions in a proportional font: numbers
    // right-aligned, a bold header, sometimes striped rows. Labels with
    // values are the same without a header.
    void gridImages(const QString& imageClass, const QStringList& bank, int count, bool header) {
        for (int i = 0; i < count; ++i) {
            const bool dark = i % 3 == 2;
            const QList<Theme>& themes = dark ? darkThemes : lightThemes;
            const Theme theme = themes[int(random_.bounded(themes.size()))];
            QFont font(sansFonts[next_++ % sansFonts.size()]);
            font.setPixelSize(12 + int(random_.bounded(3)));
            QFont bold = font;
            bold.setBold(true);
            QList<QStringList> rows;
            for (const auto& row : bank[i % bank.size()].split(u'\n'))
                rows << row.split(u'\t');
            const qsizetype columns = rows.first().size();
            const QFontMetricsF metrics(bold);
            const double gap = font.pixelSize() * (1.5 + random_.bounded(2.0));
            QList<double> widths(columns, 0);
            QList<bool> numeric(columns, true);
            static const QRegularExpression number(u"^[0-9.,%]+$"_s);
            for (qsizetype r = 0; r < rows.size(); ++r) {
                for (qsizetype c = 0; c < columns; ++c) {
                    const QString cell = rows[r].value(c);
                    widths[c] = std::max(widths[c], metrics.horizontalAdvance(cell));
                    if ((r > 0 || !header) && !cell.isEmpty() && !number.match(cell).hasMatch())
                        numeric[c] = false;
                }
            }
            const double margin = 12;
            const double step = metrics.lineSpacing() * (1.5 + random_.bounded(0.6));
            double total = 2 * margin;
            for (double w : widths)
                total += w + gap;
            QImage image(int(total - gap), int(step * double(rows.size()) + 2 * margin),
                         QImage::Format_RGB32);
            image.fill(theme.background);
            QPainter painter(&image);
            const bool striped = i % 2 == 1;
            QStringList truth;
            for (qsizetype r = 0; r < rows.size(); ++r) {
                const double top = margin + double(r) * step;
                if (striped && r % 2 == 1)
                    painter.fillRect(QRectF(0, top, image.width(), step),
                                     dark ? theme.background.lighter(130)
                                          : theme.background.darker(106));
                painter.setPen(theme.foreground);
                painter.setFont(header && r == 0 ? bold : font);
                double x = margin;
                QStringList cells;
                for (qsizetype c = 0; c < columns; ++c) {
                    const QString cell = rows[r].value(c);
                    const int align = numeric[c] ? Qt::AlignRight : Qt::AlignLeft;
                    painter.drawText(QRectF(x, top, widths[c], step),
                                     align | Qt::AlignVCenter | Qt::TextDontClip, cell);
                    if (!cell.isEmpty())
                        cells << cell;
                    x += widths[c] + gap;
                }
                truth << cells.join(u' ');
            }
            painter.end();
            addImage(imageClass, image, truth.join(u'\n'));
        }
    }

    // Two columns of running text side by side on one baseline grid; read
    // column by column.
    void twoColumnImages(const QString& imageClass, int count) {
        const QStringList bank = CorpusTexts::paragraphs(u"en"_s);
        for (int i = 0; i < count; ++i) {
            const Theme theme = (i % 2 ? darkThemes : lightThemes)[0];
            QFont font(sansFonts[next_++ % sansFonts.size()]);
            font.setPixelSize(12 + int(random_.bounded(3)));
            const double columnWidth = 220 + random_.bounded(80);
            const double gutter = 24 + random_.bounded(20);
            const QStringList left = wrap(bank[(2 * i) % bank.size()], font, columnWidth);
            const QStringList right = wrap(bank[(2 * i + 1) % bank.size()], font, columnWidth);
            const QFontMetricsF metrics(font);
            const double step = metrics.lineSpacing() * 1.3;
            const double margin = 14;
            QImage image(int(2 * columnWidth + gutter + 2 * margin),
                         int(step * double(std::max(left.size(), right.size())) + 2 * margin),
                         QImage::Format_RGB32);
            image.fill(theme.background);
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(theme.foreground);
            for (qsizetype k = 0; k < left.size(); ++k)
                painter.drawText(QPointF(margin, margin + double(k) * step + metrics.ascent()),
                                 left[k]);
            for (qsizetype k = 0; k < right.size(); ++k)
                painter.drawText(QPointF(margin + columnWidth + gutter,
                                         margin + double(k) * step + metrics.ascent()),
                                 right[k]);
            painter.end();
            addImage(imageClass, image, (left + right).join(u'\n'));
        }
    }

    // Code in a monospace font at 9 to 12 pt and at 2x.
    void symbolCodeImages(const QString& imageClass, int count) {
        const QStringList bank = LayoutTexts::symbolCode();
        for (int i = 0; i < count; ++i) {
            const int scale = i % 4 == 3 ? 2 : 1;
            Layout layout =
                base(terminalFonts, i % 2 ? darkThemes : lightThemes, 12, 16, scale, u"en"_s);
            layout.lines = bank[i % bank.size()].split(u'\n');
            add(imageClass, u"en"_s, layout);
        }
    }

    // An 800 x 600 photo-like picture: soft shapes, leaves of texture and
    // grain, with one line of large text on it.
    void photoImages(const QString& imageClass, int count) {
        const QStringList bank = LayoutTexts::photoLines();
        for (int i = 0; i < count; ++i) {
            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(int(random_.bounded(360)), 90, 140));
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            for (int k = 0; k < 40; ++k) {
                QColor c =
                    QColor::fromHsv(int(random_.bounded(360)), 60 + int(random_.bounded(150)),
                                    40 + int(random_.bounded(200)), 150);
                painter.setPen(Qt::NoPen);
                painter.setBrush(c);
                painter.drawEllipse(QPointF(random_.bounded(800.0), random_.bounded(600.0)),
                                    20 + random_.bounded(200.0), 20 + random_.bounded(160.0));
            }
            // Texture: many short strokes, like leaves, gravel or fabric.
            for (int k = 0; k < 900; ++k) {
                QColor c = QColor::fromHsv(int(random_.bounded(360)), int(random_.bounded(120)),
                                           int(random_.bounded(256)), 120);
                painter.setPen(QPen(c, 1 + random_.bounded(2.5)));
                const QPointF a(random_.bounded(800.0), random_.bounded(600.0));
                painter.drawLine(
                    a, a + QPointF(random_.bounded(24.0) - 12, random_.bounded(24.0) - 12));
            }
            painter.end();
            // Soften it a little, as a camera does, then add grain.
            image = image.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            for (int y = 0; y < image.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int n = int(random_.bounded(25)) - 12;
                    row[x] = qRgb(std::clamp(qRed(row[x]) + n, 0, 255),
                                  std::clamp(qGreen(row[x]) + n, 0, 255),
                                  std::clamp(qBlue(row[x]) + n, 0, 255));
                }
            }
            const QString line = bank[i % bank.size()];
            QFont font(sansFonts[next_++ % sansFonts.size()]);
            font.setPixelSize(30 + int(random_.bounded(14)));
            font.setBold(i % 2 == 0);
            const QFontMetricsF metrics(font);
            const QRectF box(
                random_.bounded(std::max(1.0, 760 - metrics.horizontalAdvance(line))) + 20,
                60 + random_.bounded(440.0), metrics.horizontalAdvance(line) + 4, metrics.height());
            QPainter text(&image);
            text.setRenderHint(QPainter::TextAntialiasing);
            text.setFont(font);
            const bool light = i % 3 != 1;
            if (i % 3 == 2) // a plate behind the words, like a sign
                text.fillRect(box.adjusted(-12, -8, 12, 8), QColor(0xf0f0e8));
            text.setPen(light && i % 3 != 2 ? QColor(0x101010) : QColor(0xfafafa));
            text.drawText(box.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, line);
            text.setPen(light && i % 3 != 2 ? QColor(0xfafafa) : QColor(0x101010));
            text.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, line);
            text.end();
            addImage(imageClass, image, line);
        }
    }

private:
    void addImage(const QString& imageClass, const QImage& image, const QString& truth,
                  const QString& language = u"en"_s) {
        CorpusSample sample;
        sample.name =
            QStringLiteral("%1-%2").arg(imageClass).arg(samples.size(), 3, 10, QLatin1Char('0'));
        sample.name.replace(u' ', u'-');
        sample.imageClass = imageClass;
        sample.language = language;
        sample.image = image;
        sample.truth = truth;
        samples << sample;
    }

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
        addImage(imageClass, render(layout), layout.lines.join(u'\n'), language);
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
    g.terminalImages(u"listing"_s, 12);
    g.gridImages(u"table"_s, LayoutTexts::tables(), 8, true);
    g.gridImages(u"labels"_s, LayoutTexts::labelPanels(), 6, false);
    g.symbolCodeImages(u"code symbols"_s, 8);
    g.twoColumnImages(u"two columns"_s, 4);
    g.photoImages(u"photo"_s, 3);
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
