#include "platform/recognition/TableRows.h"

#include "platform/recognition/ScreenImagePreprocessor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Lines drawn one font height apart, as a terminal does, optionally with
// a block cursor after the last one, and prepared for reading.
QImage prepared(const QStringList& lines, const QString& family, bool cursor = false,
                QColor foreground = Qt::black, QColor background = Qt::white) {
    QFont font(family);
    font.setPixelSize(14);
    const QFontMetricsF metrics(font);
    const double step = std::ceil(metrics.height());
    double width = 0;
    for (const auto& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    QImage image(int(width) + 40, int(step * double(lines.size())) + 16, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(foreground);
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(8, 8 + double(i) * step + metrics.ascent()), lines[i]);
    if (cursor)
        painter.fillRect(QRectF(8 + metrics.horizontalAdvance(lines.last()),
                                8 + double(lines.size() - 1) * step,
                                metrics.horizontalAdvance(u"M"_s), step),
                         foreground);
    painter.end();
    return ScreenImagePreprocessor::prepare(image).image;
}

qsizetype rowsIn(const QImage& image) {
    return TableRows::find(image, ScreenImagePreprocessor::inkBands(image)).size();
}

const QStringList listing{u"total 108"_s,
                          u"drwxr-xr-x  14 root root  4096 Dec  6 21:47 ."_s,
                          u"drwxr-xr-x   2 root root 45056 Dec  6 21:49 bin"_s,
                          u"-rw-r--r--   1 root root  3040 May 25  2023 adduser.conf"_s,
                          u"drwxr-xr-x  88 root root 12288 Dec  6 21:49 include"_s,
                          u"$ "_s};

} // namespace

TEST(TableRows, ATerminalListingIsReadRowByRow) {
    // Light on dark, rows touching, a block cursor bridging the last two.
    EXPECT_EQ(
        rowsIn(prepared(listing, u"DejaVu Sans Mono"_s, true, QColor(0xd0cfcc), QColor(0x171421))),
        listing.size());
    EXPECT_EQ(rowsIn(prepared(listing.mid(0, 5), u"Hack"_s)), 5);
}

TEST(TableRows, RunningTextAndColumnsOfItAreAPage) {
    const QStringList prose{u"The quick brown fox jumps over the lazy dog and runs"_s,
                            u"away into the forest where nobody can find it again"_s,
                            u"until the evening comes and the light goes down"_s,
                            u"over the hills and the quiet river in the valley"_s};
    EXPECT_EQ(rowsIn(prepared(prose, u"DejaVu Sans"_s)), 0);
    // Two columns of running text side by side on one grid.
    QStringList twoColumns;
    for (const auto& line : prose)
        twoColumns << line.left(26) + u"        "_s + line.mid(26);
    EXPECT_EQ(rowsIn(prepared(twoColumns, u"DejaVu Sans Mono"_s)), 0);
}
