#include "recognition/TextAssembler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

using TextAssembler::assemble;

namespace {

TextObservation piece(const QString& text, double x, double y, double w = 100, double h = 20) {
    return TextObservation{text, x, y, w, h};
}

// Lines of height 20 at the given tops, each one piece at x = 10.
TextObservations linesAt(const QStringList& texts, const QList<double>& tops) {
    TextObservations out;
    for (qsizetype i = 0; i < texts.size(); ++i)
        out.append(piece(texts[i], 10, tops[i]));
    return out;
}

TEST(TextAssembler, BlankInputIsEmptyWhiteSpaceCollapsesAndPiecesReadLeftToRight) {
    EXPECT_EQ(assemble({piece(QString(), 0, 0), piece(u" \t\n\u00A0"_s, 0, 30)}, true, true),
              QString());
    EXPECT_EQ(assemble({piece(u"  world \t"_s, 200, 0), piece(u"Hello"_s, 10, 0)}, false, false),
              u"Hello world"_s);
}

TEST(TextAssembler, OverlapMustExceedHalfTheSmallerHeightOfTheGrowingBand) {
    // Heights 20 and 10; overlap exactly 5 is half of 10: two lines.
    EXPECT_EQ(assemble({piece(u"a"_s, 0, 0, 50, 20), piece(u"b"_s, 60, 15, 50, 10)}, false, false),
              u"a\nb"_s);
    EXPECT_EQ(assemble({piece(u"a"_s, 0, 0, 50, 20), piece(u"b"_s, 60, 14, 50, 10)}, false, false),
              u"a b"_s);
    // The band grows as pieces join: c overlaps the grown band of a+b.
    EXPECT_EQ(assemble({piece(u"a"_s, 0, 0, 10, 10), piece(u"b"_s, 20, 4, 10, 10),
                        piece(u"c"_s, 40, 8, 10, 10)},
                       false, false),
              u"a b c"_s);
}

TEST(TextAssembler, RightToLeftLinesOrderByRightEdge) {
    const QString first = u"\u05D0\u05D1"_s, second = u"\u05D2\u05D3"_s;
    // first in input order has its right edge at 150, the second at 300.
    EXPECT_EQ(assemble({piece(first, 100, 0, 50), piece(second, 200, 0, 100)}, false, false),
              second + u' ' + first);
    // A wide piece that spans a narrow one: by the right edge it comes first,
    // though its left edge is further left.
    EXPECT_EQ(assemble({piece(second, 200, 0, 100), piece(first, 100, 0, 300)}, false, false),
              first + u' ' + second);
    EXPECT_FALSE(TextAssembler::detectRightToLeft(u"abc\u05D0\u05D1\u05D2"_s));
    EXPECT_TRUE(TextAssembler::detectRightToLeft(u"ab \u0627\u0628\u062A 123"_s));
    EXPECT_FALSE(TextAssembler::detectRightToLeft(u"123 !?"_s));
}

TEST(TextAssembler, ParagraphBreakNeedsAGapAboveTheMedianHeight) {
    // Heights 20; gaps 5 and 20: no break at exactly the median.
    EXPECT_EQ(assemble(linesAt({u"a"_s, u"b"_s, u"c"_s}, {0, 25, 65}), false, false), u"a\nb\nc"_s);
    EXPECT_EQ(assemble(linesAt({u"a"_s, u"b"_s, u"c"_s}, {0, 25, 66}), false, false),
              u"a\nb\n\nc"_s);
}

TEST(TextAssembler, MedianIsTheUpperMiddleForEvenCounts) {
    QList<TextAssembler::Line> lines;
    const double heights[] = {10, 10, 30, 30};
    double top = 0;
    for (double h : heights) {
        lines.append({u"x"_s, 0, top, top + h, false, false});
        top += h + 29; // gap 29: a break only if the median were 10
    }
    TextAssembler::markParagraphs(lines);
    for (const auto& l : lines)
        EXPECT_FALSE(l.startsParagraph);
}

TEST(TextAssembler, HyphenatedWordsJoinAcrossLines) {
    auto joined = [](const QStringList& texts) {
        QList<double> tops;
        for (qsizetype i = 0; i < texts.size(); ++i)
            tops.append(i * 24.0);
        return assemble(linesAt(texts, tops), false, true);
    };
    EXPECT_EQ(joined({u"co-"_s, u"operate now"_s}), u"cooperate\nnow"_s);
    EXPECT_EQ(joined({u"in-"_s, u"for-"_s, u"mation was"_s}), u"information\nwas"_s);
    EXPECT_EQ(joined({u"co\u2010"_s, u"operate"_s}), u"cooperate"_s);
    EXPECT_EQ(joined({u"co\u00AD"_s, u"operate"_s}), u"cooperate"_s);
    EXPECT_EQ(joined({u"co\u2013"_s, u"operate"_s}), u"co\u2013\noperate"_s);
    EXPECT_EQ(joined({u"Hyper-"_s, u"Text"_s}), u"Hyper-\nText"_s);
    EXPECT_EQ(joined({u"1990-"_s, u"page"_s}), u"1990-\npage"_s);
    EXPECT_EQ(joined({u"-"_s, u"page"_s}), u"-\npage"_s);
    // The next line starts a paragraph: nothing is joined.
    EXPECT_EQ(assemble(linesAt({u"infor-"_s, u"mation"_s}, {0, 60}), false, true),
              u"infor-\n\nmation"_s);
    EXPECT_EQ(assemble(linesAt({u"co-"_s, u"operate"_s}, {0, 24}), false, false),
              u"co-\noperate"_s); // off by default
}

TEST(TextAssembler, IndentationCountsMedianCharacterWidths) {
    // Every piece is 8 px per character.
    auto code = [](double secondX) {
        return TextObservations{piece(u"if (x) {"_s, 100, 0, 64), piece(u"y"_s, secondX, 24, 8),
                                piece(u"}"_s, 100, 48, 8)};
    };
    EXPECT_EQ(assemble(code(148), true, false), u"if (x) {\n      y\n}"_s);
    EXPECT_EQ(assemble(code(104), true, false), u"if (x) {\n y\n}"_s);
    EXPECT_EQ(assemble(code(148), false, false), u"if (x) {\ny\n}"_s);
    // A selection that starts inside a block: the leftmost line sets the margin.
    EXPECT_EQ(assemble({piece(u"y"_s, 148, 0, 8), piece(u"}"_s, 100, 24, 8)}, true, false),
              u"      y\n}"_s);
}

TEST(TextAssembler, IndentationLeavesRightToLeftAndZeroWidthAlone) {
    const TextObservations rtl{piece(u"\u05D0\u05D1"_s, 100, 0, 16),
                               piece(u"\u05D2\u05D3"_s, 140, 24, 16)};
    EXPECT_EQ(assemble(rtl, true, false), u"\u05D0\u05D1\n\u05D2\u05D3"_s);
    const TextObservations zero{piece(u"a"_s, 100, 0, 0), piece(u"b"_s, 140, 24, 0),
                                piece(u"c"_s, 100, 48, 8)};
    EXPECT_EQ(assemble(zero, true, false), u"a\nb\nc"_s);
}

TEST(TextAssembler, NonFiniteBoxesLoseNoTextAndTensOfThousandsOfPiecesFinish) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TextObservations in;
    for (int i = 0; i < 200; ++i) {
        const double odd[] = {nan, inf, -inf, 1e308, -1e308, 0};
        in.append(piece(u"w%1"_s.arg(i), odd[i % 6], odd[(i / 6) % 6], odd[(i / 2) % 6],
                        odd[(i / 3) % 6]));
    }
    const QString out = assemble(in, true, true);
    for (int i = 0; i < 200; ++i)
        EXPECT_TRUE(out.contains(u"w%1"_s.arg(i))) << i;
    EXPECT_LT(out.size(), 200 * 4200);

    TextObservations many;
    for (int i = 0; i < 40000; ++i)
        many.append(piece(u"word"_s, (i % 100) * 50.0, (i / 100) * 24.0, 40, 20));
    EXPECT_EQ(assemble(many, true, true).count(u'\n'), 399);
}

} // namespace
