#include "platform/recognition/TableRows.h"

#include "platform/recognition/ScreenImagePreprocessor.h"

#include "RenderedText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Lines drawn one font height apart, as a terminal does, optionally with
// a block cursor after the last one, and prepared for reading.
QImage prepared(const QStringList& lines, const QString& family, bool cursor = false,
                QColor foreground = Qt::black, QColor background = Qt::white) {
    RenderedText text = renderText(lines, 14, foreground, background, family, 1.0);
    if (cursor) {
        QFont font(family);
        font.setPixelSize(14);
        const QFontMetrics metrics(font);
        QPainter(&text.image)
            .fillRect(28 + metrics.horizontalAdvance(lines.last()),
                      28 + int(lines.size() - 1) * metrics.height(),
                      metrics.horizontalAdvance(u'M'), metrics.height(), foreground);
    }
    return ScreenImagePreprocessor::prepare(text.image).image;
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
    // A window of prose in two sizes, with rules and a button: the rules and
    // the lines without descenders are no measure of a row to cut lines by.
    const QImage window(qEnvironmentVariable("INKHARBOR_SOURCE_DIR") +
                        u"/resources/sample-screenshot.png"_s);
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(rowsIn(ScreenImagePreprocessor::prepare(window).image), 0);
    // Two columns of running text side by side on one grid.
    QStringList twoColumns;
    for (const auto& line : prose)
        twoColumns << line.left(26) + u"        "_s + line.mid(26);
    EXPECT_EQ(rowsIn(prepared(twoColumns, u"DejaVu Sans Mono"_s)), 0);
}
