#include "recognition/TextAssembler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(TextAssembler, BlankInputGivesEmptyText) {
    EXPECT_EQ(assemble({}, true, true), QString());
    EXPECT_EQ(
        assemble({piece(QString(), 0, 0), piece(QStringLiteral(" \t\n\u00A0"), 0, 30)}, true, true),
        QString());
}

TEST(TextAssembler, WhiteSpaceCollapsesAndPiecesReadLeftToRight) {
    EXPECT_EQ(assemble({piece(QStringLiteral("  Hello \tworld "), 0, 0)}, false, false),
              QStringLiteral("Hello world"));
    EXPECT_EQ(
        assemble({piece(QStringLiteral("world"), 200, 0), piece(QStringLiteral("Hello"), 10, 0)},
                 false, false),
        QStringLiteral("Hello world"));
}

TEST(TextAssembler, OverlapMustExceedHalfTheSmallerHeight) {
    // Heights 20 and 10; overlap exactly 5 is half of 10: two lines.
    EXPECT_EQ(assemble({piece(QStringLiteral("a"), 0, 0, 50, 20),
                        piece(QStringLiteral("b"), 60, 15, 50, 10)},
                       false, false),
              QStringLiteral("a\nb"));
    EXPECT_EQ(assemble({piece(QStringLiteral("a"), 0, 0, 50, 20),
                        piece(QStringLiteral("b"), 60, 14, 50, 10)},
                       false, false),
              QStringLiteral("a b"));
}

TEST(TextAssembler, TheLineBandGrowsAsPiecesJoin) {
    // The band grows as pieces join: c overlaps the grown band of a+b.
    const TextObservations in{piece(QStringLiteral("a"), 0, 0, 10, 10),
                              piece(QStringLiteral("b"), 20, 4, 10, 10),
                              piece(QStringLiteral("c"), 40, 8, 10, 10)};
    EXPECT_EQ(assemble(in, false, false), QStringLiteral("a b c"));
}

TEST(TextAssembler, RightToLeftLinesOrderByRightEdge) {
    const QString first = QStringLiteral("\u05D0\u05D1"), second = QStringLiteral("\u05D2\u05D3");
    // first in input order has its right edge at 150, the second at 300.
    EXPECT_EQ(assemble({piece(first, 100, 0, 50), piece(second, 200, 0, 100)}, false, false),
              second + u' ' + first);
    EXPECT_FALSE(TextAssembler::detectRightToLeft(QStringLiteral("abc\u05D0\u05D1\u05D2")));
    EXPECT_TRUE(TextAssembler::detectRightToLeft(QStringLiteral("ab \u0627\u0628\u062A 123")));
    EXPECT_FALSE(TextAssembler::detectRightToLeft(QStringLiteral("123 !?")));
}

TEST(TextAssembler, ParagraphBreakNeedsAGapAboveTheMedianHeight) {
    // Heights 20; gaps 5 and 20: no break at exactly the median.
    EXPECT_EQ(assemble(linesAt({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                               {0, 25, 65}),
                       false, false),
              QStringLiteral("a\nb\nc"));
    EXPECT_EQ(assemble(linesAt({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                               {0, 25, 66}),
                       false, false),
              QStringLiteral("a\nb\n\nc"));
}

TEST(TextAssembler, MedianIsTheUpperMiddleForEvenCounts) {
    QList<TextAssembler::Line> lines;
    const double heights[] = {10, 10, 30, 30};
    double top = 0;
    for (double h : heights) {
        lines.append({QStringLiteral("x"), 0, top, top + h, false, false});
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
    EXPECT_EQ(joined({QStringLiteral("co-"), QStringLiteral("operate now")}),
              QStringLiteral("cooperate\nnow"));
    EXPECT_EQ(joined({QStringLiteral("co-"), QStringLiteral("operate")}),
              QStringLiteral("cooperate"));
    EXPECT_EQ(joined({QStringLiteral("in-"), QStringLiteral("for-"), QStringLiteral("mation was")}),
              QStringLiteral("information\nwas"));
    EXPECT_EQ(joined({QStringLiteral("co\u2010"), QStringLiteral("operate")}),
              QStringLiteral("cooperate"));
    EXPECT_EQ(joined({QStringLiteral("co\u00AD"), QStringLiteral("operate")}),
              QStringLiteral("cooperate"));
    EXPECT_EQ(joined({QStringLiteral("co\u2013"), QStringLiteral("operate")}),
              QStringLiteral("co\u2013\noperate"));
    EXPECT_EQ(joined({QStringLiteral("Hyper-"), QStringLiteral("Text")}),
              QStringLiteral("Hyper-\nText"));
    EXPECT_EQ(joined({QStringLiteral("1990-"), QStringLiteral("page")}),
              QStringLiteral("1990-\npage"));
    EXPECT_EQ(joined({QStringLiteral("-"), QStringLiteral("page")}), QStringLiteral("-\npage"));
    // The next line starts a paragraph: nothing is joined.
    EXPECT_EQ(assemble(linesAt({QStringLiteral("infor-"), QStringLiteral("mation")}, {0, 60}),
                       false, true),
              QStringLiteral("infor-\n\nmation"));
    // Off by default.
    EXPECT_EQ(assemble(linesAt({QStringLiteral("co-"), QStringLiteral("operate")}, {0, 24}), false,
                       false),
              QStringLiteral("co-\noperate"));
}

TEST(TextAssembler, IndentationCountsMedianCharacterWidths) {
    // Every piece is 8 px per character.
    auto code = [](double secondX) {
        return TextObservations{piece(QStringLiteral("if (x) {"), 100, 0, 64),
                                piece(QStringLiteral("y"), secondX, 24, 8),
                                piece(QStringLiteral("}"), 100, 48, 8)};
    };
    EXPECT_EQ(assemble(code(148), true, false), QStringLiteral("if (x) {\n      y\n}"));
    EXPECT_EQ(assemble(code(104), true, false), QStringLiteral("if (x) {\n y\n}"));
    EXPECT_EQ(assemble(code(148), false, false), QStringLiteral("if (x) {\ny\n}"));
}

TEST(TextAssembler, IndentationLeavesRightToLeftAndZeroWidthAlone) {
    const TextObservations rtl{piece(QStringLiteral("\u05D0\u05D1"), 100, 0, 16),
                               piece(QStringLiteral("\u05D2\u05D3"), 140, 24, 16)};
    EXPECT_EQ(assemble(rtl, true, false), QStringLiteral("\u05D0\u05D1\n\u05D2\u05D3"));
    const TextObservations zero{piece(QStringLiteral("a"), 100, 0, 0),
                                piece(QStringLiteral("b"), 140, 24, 0),
                                piece(QStringLiteral("c"), 100, 48, 8)};
    EXPECT_EQ(assemble(zero, true, false), QStringLiteral("a\nb\nc"));
}

TEST(TextAssembler, NonFiniteBoxesNeitherCrashNorLoseText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TextObservations in;
    for (int i = 0; i < 200; ++i) {
        const double odd[] = {nan, inf, -inf, 1e308, -1e308, 0};
        in.append(piece(QStringLiteral("w%1").arg(i), odd[i % 6], odd[(i / 6) % 6],
                        odd[(i / 2) % 6], odd[(i / 3) % 6]));
    }
    const QString out = assemble(in, true, true);
    for (int i = 0; i < 200; ++i)
        EXPECT_TRUE(out.contains(QStringLiteral("w%1").arg(i))) << i;
    EXPECT_LT(out.size(), 200 * 4200);
}

TEST(TextAssembler, TensOfThousandsOfPiecesFinish) {
    TextObservations in;
    for (int i = 0; i < 40000; ++i)
        in.append(piece(QStringLiteral("word"), (i % 100) * 50.0, (i / 100) * 24.0, 40, 20));
    const QString out = assemble(in, true, true);
    EXPECT_EQ(out.count(u'\n'), 399);
}

} // namespace
