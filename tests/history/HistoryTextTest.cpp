#include "history/HistoryText.h"
#include "history/HistoryDateFormat.h"
#include "history/HistorySearch.h"
#include "output/WebSearch.h"
#include "recognition/UnicodeText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(HistorySearchTest, IgnoresCaseAndAccentsByLocaleAndTrimsNothing) {
    struct Case {
        QString text, searchText;
        bool found;
        QString locale = u"en_US"_s;
    };
    const Case cases[] = {
        {u"Un CAFÉ crème"_s, u"cafe"_s, true},
        {u"cafe"_s, u"CAFÉ"_s, true},
        {u"Cafe\u0301"_s, u"café"_s, true}, // the accent as a combining mark
        {u"Ärger über Öl"_s, u"uber ol"_s, true},
        {u"Un café"_s, u"cafes"_s, false},
        // German: ß is ss. Swedish: ö is a letter of its own. Turkish: I belongs to ı.
        {u"Hauptstraße 5"_s, u"strasse"_s, true, u"de_DE"_s},
        {u"smörgås"_s, u"smorgas"_s, true},
        {u"smörgås"_s, u"smorgas"_s, false, u"sv_SE"_s},
        {u"İSTANBUL"_s, u"istanbul"_s, true, u"tr_TR"_s},
        {u"ISTANBUL"_s, u"istanbul"_s, false, u"tr_TR"_s},
        {u"a b"_s, u" "_s, true},
        {u"ab\ncd"_s, u" "_s, false},
        {u"you there"_s, u" you"_s, false},
        {u"anything"_s, QString(), true},
        {QString(), u"a"_s, false},
        // What the collator ignores (a lone accent, a zero-width space) is searched as it is.
        {u"Cafe\u0301"_s, u"\u0301"_s, true},
        {u"Cafe"_s, u"\u0301"_s, false},
        {u"a\u200Bb"_s, u"\u200B"_s, true},
        // A locale the collator refuses: plain matching, still ignoring case.
        {u"Hello"_s, u"hello"_s, true, u"en_US@colStrength=bogus"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HistorySearch(c.searchText, c.locale).matches(c.text), c.found)
            << c.text.toStdString() << " / " << c.searchText.toStdString();
}

TEST(HistorySearchTest, OneSearchServesManyTexts) {
    HistorySearch search(u"needle"_s, u"en_US"_s);
    QString haystack(200'000, u'x');
    EXPECT_FALSE(search.matches(haystack));
    haystack.replace(150'000, 6, u"NEEDLE"_s);
    EXPECT_TRUE(search.matches(haystack));
    EXPECT_TRUE(search.matches(u"Needle"_s));
    EXPECT_FALSE(search.matches(u"needl"_s));
}

TEST(HistoryTextTest, FirstLineSplitsAsTheWordList) {
    const QStringList texts{
        u"\n\r\n\u2028First line\r\nsecond"_s,
        u"  indented\nnext"_s,
        u"\r\rx\u0085y"_s,
        u"\u000B\u000C\u2029 z"_s,
        u"one"_s,
        u"\n\n\r\n"_s,
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
    const QString family = u"👨‍👩‍👧‍👦"_s;
    EXPECT_EQ(HistoryText::shortened(QString(family + family + family), 2),
              QString(family + family + u'…'));
    EXPECT_EQ(HistoryText::shortened(QString(family + family), 2), QString(family + family));
}

TEST(HistoryTextTest, LookUpIsOfferedExactlyWhenThereIsATerm) {
    const QStringList texts{
        u"Hello, world!"_s,
        u"one two three four"_s,
        u"!!! ??? word ... ---"_s,
        // A blank with a combining mark is one white-space character.
        u"one two three \u0301"_s,
        QString(),
        QString(60, u'a'),
        QString(61, u'a'),
        QString(u"🇩🇪"_s.repeated(40)),
        QString(u"🇩🇪"_s.repeated(61)),
        QString(u"alpha beta "_s + QString(100'000, u'!')),
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

TEST(HistoryDateFormatTest, DayMonthHourAndMinuteByLocaleAndTheYearWhenAnother) {
    const QDateTime date(QDate(2024, 3, 5), QTime(14, 7, 30));
    const QString american = HistoryDateFormat(u"en_US"_s).format(date, QDate(2024, 11, 1));
    EXPECT_TRUE(american.startsWith(u"Mar 5") && american.contains(u"2:07") &&
                american.contains(u"PM") && !american.contains(u"2024"))
        << american.toStdString();
    const QString german = HistoryDateFormat(u"de_DE"_s).format(date, QDate(2024, 11, 1));
    EXPECT_TRUE(german.startsWith(u"5. März") && german.contains(u"14:07")) << german.toStdString();
    const QString earlier = HistoryDateFormat(u"en_US"_s).format(date, QDate(2025, 1, 2));
    EXPECT_TRUE(earlier.contains(u"2024") && earlier.contains(u"Mar 5")) << earlier.toStdString();
}

} // namespace
