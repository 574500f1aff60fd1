#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>

// Lines of text drawn like a screen shows them, with where each line's ink is.
struct RenderedText {
    QImage image;
    QList<QRect> lines; // ink bounds of each line, in image pixels
};

inline RenderedText renderText(const QStringList& lines, int pixelSize,
                               QColor foreground = Qt::black, QColor background = Qt::white,
                               const QString& family = QStringLiteral("DejaVu Sans"),
                               double lineSpacing = 1.6) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    const int margin = 2 * pixelSize;
    const int step = int(metrics.height() * lineSpacing);
    int width = 0;
    for (const auto& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    RenderedText rendered{
        QImage(width + 2 * margin, step * int(lines.size()) + 2 * margin, QImage::Format_RGB32),
        {}};
    rendered.image.fill(background);
    QPainter painter(&rendered.image);
    painter.setFont(font);
    painter.setPen(foreground);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QPoint baseline(margin, margin + int(i) * step + metrics.ascent());
        painter.drawText(baseline, lines[i]);
        rendered.lines << metrics.tightBoundingRect(lines[i]).translated(baseline);
    }
    return rendered;
}
