#include "history/HistoryText.h"
#include "history/HistoryDateFormat.h"
#include "history/HistorySearch.h"
#include "output/WebSearch.h"
#include "recognition/UnicodeText.h"

#include <gtest/gtest.h>

namespace {

bool contains(const QString& text, const QString& searchText,
              const QString& locale = QStringLiteral("en_US")) {
    return HistorySearch(searchText, locale).matches(text);
}

TEST(HistorySearchTest, IgnoresCaseAndAccents) {
    EXPECT_TRUE(contains(QStringLiteral("Un CAFÉ crème"), QStringLiteral("cafe")));
    EXPECT_TRUE(contains(QStringLiteral("Un CAFÉ crème"), QStringLiteral("Crème")));
    EXPECT_TRUE(contains(QStringLiteral("cafe"), QStringLiteral("CAFÉ")));
    // The same accent written as a combining mark.
    EXPECT_TRUE(contains(QStringLiteral("Cafe\u0301"), QStringLiteral("café")));
    EXPECT_TRUE(contains(QStringLiteral("Ärger über Öl"), QStringLiteral("uber ol")));
    EXPECT_FALSE(contains(QStringLiteral("Un café"), QStringLiteral("cafes")));
    EXPECT_FALSE(contains(QStringLiteral("Un café"), QStringLiteral("the")));
}

TEST(HistorySearchTest, FollowsTheLocale) {
    // German: ß is ss. Swedish: ö is a letter of its own, not an accented o.
    EXPECT_TRUE(contains(QStringLiteral("Hauptstraße 5"), QStringLiteral("strasse"),
                         QStringLiteral("de_DE")));
    EXPECT_TRUE(contains(QStringLiteral("smörgås"), QStringLiteral("smorgas")));
    EXPECT_FALSE(
        contains(QStringLiteral("smörgås"), QStringLiteral("smorgas"), QStringLiteral("sv_SE")));
    // Turkish: the capital of i is İ; I belongs to ı.
    EXPECT_TRUE(
        contains(QStringLiteral("İSTANBUL"), QStringLiteral("istanbul"), QStringLiteral("tr_TR")));
    EXPECT_FALSE(
        contains(QStringLiteral("ISTANBUL"), QStringLiteral("istanbul"), QStringLiteral("tr_TR")));
}

TEST(HistorySearchTest, BlanksCountAndNothingIsTrimmed) {
    EXPECT_TRUE(contains(QStringLiteral("a b"), QStringLiteral(" ")));
    EXPECT_FALSE(contains(QStringLiteral("ab\ncd"), QStringLiteral(" ")));
    EXPECT_TRUE(contains(QStringLiteral("see you"), QStringLiteral(" you")));
    EXPECT_FALSE(contains(QStringLiteral("you there"), QStringLiteral(" you")));
    EXPECT_TRUE(contains(QStringLiteral("anything"), QString()));
    EXPECT_TRUE(contains(QString(), QString()));
    EXPECT_FALSE(contains(QString(), QStringLiteral("a")));
}

TEST(HistorySearchTest, TextsTheCollatorIgnoresAreSearchedAsTheyAre) {
    // A lone combining accent has no weight at primary strength.
    EXPECT_TRUE(contains(QStringLiteral("Cafe\u0301"), QStringLiteral("\u0301")));
    EXPECT_FALSE(contains(QStringLiteral("Cafe"), QStringLiteral("\u0301")));
    EXPECT_TRUE(contains(QStringLiteral("a\u200Bb"), QStringLiteral("\u200B")));
}

TEST(HistorySearchTest, OneSearchServesManyTexts) {
    HistorySearch search(QStringLiteral("needle"), QStringLiteral("en_US"));
    QString haystack(200'000, u'x');
    EXPECT_FALSE(search.matches(haystack));
    haystack.replace(150'000, 6, QStringLiteral("NEEDLE"));
    EXPECT_TRUE(search.matches(haystack));
    EXPECT_TRUE(search.matches(QStringLiteral("Needle")));
    EXPECT_FALSE(search.matches(QStringLiteral("needl")));
}

TEST(HistoryTextTest, FirstLineSplitsAsTheWordList) {
    const QStringList texts{
        QStringLiteral("\n\r\n\u2028First line\r\nsecond"),
        QStringLiteral("  indented\nnext"),
        QStringLiteral("\r\rx\u0085y"),
        QStringLiteral("\u000B\u000C\u2029 z"),
        QStringLiteral("one"),
        QStringLiteral("\n\n\r\n"),
        QString(),
    };
    for (const QString& text : texts) {
        EXPECT_EQ(HistoryText::firstLine(text).toString(),
                  UnicodeText::splitAtLineBreaks(text).value(0))
            << text.toStdString();
    }
    EXPECT_EQ(HistoryText::firstLine(texts[0]), u"First line");
    EXPECT_EQ(HistoryText::firstLine(texts[1]), u"  indented");
}

TEST(HistoryTextTest, ShortenedKeepsWholeCharacters) {
    EXPECT_EQ(HistoryText::shortened(u"short", 10), u"short");
    EXPECT_EQ(HistoryText::shortened(u"abcdef", 3), u"abc…");
    // A family emoji is one character of eleven UTF-16 units.
    const QString family = QStringLiteral("👨‍👩‍👧‍👦");
    EXPECT_EQ(HistoryText::shortened(QString(family + family + family), 2),
              QString(family + family + u'…'));
    EXPECT_EQ(HistoryText::shortened(QString(family + family), 2), QString(family + family));
}

TEST(HistoryTextTest, LookUpIsOfferedExactlyWhenThereIsATerm) {
    const QStringList texts{
        QStringLiteral("Hello, world!"),
        QStringLiteral("one two three four"),
        QStringLiteral("one two three"),
        QStringLiteral("!!! ??? word ... ---"),
        // A blank with a combining mark is one white-space character.
        QStringLiteral("one two three \u0301"),
        QStringLiteral("one two three !\u0301"),
        QStringLiteral("   "),
        QString(),
        QString(60, u'a'),
        QString(61, u'a'),
        QString(500, u'a'),
        QString(QStringLiteral("🇩🇪").repeated(40)),
        QString(QStringLiteral("🇩🇪").repeated(61)),
        QString(QStringLiteral("alpha beta ") + QString(100'000, u'!')),
    };
    for (const QString& text : texts) {
        EXPECT_EQ(HistoryText::offersLookUp(text), WebSearch::lookUpTerm(text).has_value())
            << text.left(40).toStdString();
    }
    QString manyWords;
    for (int i = 0; i < 200'000; ++i)
        manyWords += u"word ";
    EXPECT_FALSE(HistoryText::offersLookUp(manyWords));
    EXPECT_FALSE(HistoryText::offersLookUp(QString(1'000'000, u'y')));
}

TEST(HistoryDateFormatTest, DayMonthHourAndMinuteByLocale) {
    const QDateTime date(QDate(2024, 3, 5), QTime(14, 7, 30));
    const QDate sameYear(2024, 11, 1);

    const QString american = HistoryDateFormat(QStringLiteral("en_US")).format(date, sameYear);
    EXPECT_TRUE(american.startsWith(u"Mar 5")) << american.toStdString();
    EXPECT_TRUE(american.contains(u"2:07")) << american.toStdString();
    EXPECT_TRUE(american.contains(u"PM")) << american.toStdString();
    EXPECT_FALSE(american.contains(u"2024"));

    const QString german = HistoryDateFormat(QStringLiteral("de_DE")).format(date, sameYear);
    EXPECT_TRUE(german.startsWith(u"5. März")) << german.toStdString();
    EXPECT_TRUE(german.contains(u"14:07")) << german.toStdString();

    // Another year is named.
    const QString earlier =
        HistoryDateFormat(QStringLiteral("en_US")).format(date, QDate(2025, 1, 2));
    EXPECT_TRUE(earlier.contains(u"2024")) << earlier.toStdString();
    EXPECT_TRUE(earlier.contains(u"Mar 5")) << earlier.toStdString();
}

} // namespace
