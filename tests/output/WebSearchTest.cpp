#include "output/WebSearch.h"
#include "output/WebLink.h"

#include <QUrlQuery>

#include <utility>

#include <gtest/gtest.h>

using namespace WebSearch;

namespace {
QByteArray encodedSearch(SearchEngine engine, const QString& text) {
    const std::optional<QUrl> url = searchURL(engine, text);
    return url ? url->toEncoded() : QByteArray("<none>");
}

} // namespace

// The stored names themselves are pinned by the settings pane's tests.
TEST(SearchEngine, ReadsOnlyExactRawValues) {
    EXPECT_EQ(SearchEngines::fromStoredValue(QStringLiteral("bing")), SearchEngine::bing);
    for (const char* stored : {"Bing", "duckduckgo", "", " bing", "yahoo"})
        EXPECT_EQ(SearchEngines::fromStoredValue(QString::fromUtf8(stored)), SearchEngine::google)
            << stored;
    for (const SearchEngine engine : SearchEngines::allCases)
        EXPECT_EQ(SearchEngines::fromStoredValue(SearchEngines::rawValue(engine)), engine);
}

TEST(SearchEngine, BuildsEachEnginesAddress) {
    EXPECT_EQ(encodedSearch(SearchEngine::google, QStringLiteral("Hello  \n world")),
              "https://www.google.com/search?q=Hello%20world");
    const std::pair<SearchEngine, QByteArray> others[] = {
        {SearchEngine::duckDuckGo, "https://duckduckgo.com/?q=a"},
        {SearchEngine::bing, "https://www.bing.com/search?q=a"},
        {SearchEngine::ecosia, "https://www.ecosia.org/search?q=a"}};
    for (const auto& [engine, address] : others)
        EXPECT_EQ(encodedSearch(engine, QStringLiteral("a")), address);
}

TEST(SearchQuery, CollapsesWhiteSpaceAndCutsAt500Characters) {
    EXPECT_EQ(searchQuery(u" \t\n\u00A0\u2029 "), std::nullopt);
    EXPECT_EQ(searchQuery(u""), std::nullopt);
    EXPECT_EQ(searchQuery(u"\n one\u3000two\r\n"), QStringLiteral("one two"));

    EXPECT_EQ(searchQuery(QString(600, u'x'))->size(), 500);
    // The cut counts user-perceived characters and never splits one.
    const QString accented = QStringLiteral("e\u0301").repeated(600);
    EXPECT_EQ(*searchQuery(accented), QStringLiteral("e\u0301").repeated(500));
    const QString flags = QStringLiteral("\U0001F1E9\U0001F1EA").repeated(501);
    EXPECT_EQ(*searchQuery(flags), QStringLiteral("\U0001F1E9\U0001F1EA").repeated(500));
    // 499 characters of words and a space as the 500th: the cut falls on it, not after it.
    EXPECT_EQ(*searchQuery(QString(QString(499, u'a') + u" bc")), QString(499, u'a'));
    EXPECT_EQ(searchQuery(QString(QString(498, u'a') + u" bc"))->size(), 500);
    // A lone accent at the end of a short text stays with the space that carries it.
    EXPECT_EQ(*searchQuery(u"a\n\u0301"), QStringLiteral("a \u0301"));
}

// Every other character is encoded: the engine receives the whole text as one value.
TEST(SearchURL, EncodesEverythingButLettersMarksDigitsAndUnreserved) {
    EXPECT_EQ(encodedSearch(SearchEngine::google, QStringLiteral("x-y.z_w~v")),
              "https://www.google.com/search?q=x-y.z_w~v");
    // Non-ASCII letters and digits stay raw in our step and leave QUrl as
    // their UTF-8 bytes; symbols beyond ASCII are encoded by us.
    EXPECT_EQ(percentEncode(u"Café—", true), QByteArray("Caf\xC3\xA9%E2%80%94"));
    const QString text =
        QStringLiteral("q=1&x=2 #frag 100% + more \u00E9\u0301 \U0001F600 [a/b?c]");
    const std::optional<QUrl> url = searchURL(SearchEngine::bing, text);
    ASSERT_TRUE(url);
    EXPECT_TRUE(url->fragment().isNull());
    const QUrlQuery query(*url);
    ASSERT_EQ(query.queryItems().size(), 1);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), text);
}

TEST(SearchURL, RefusesBlankTextAndBrokenUtf16) {
    EXPECT_EQ(searchURL(SearchEngine::google, u"   \n"), std::nullopt);
    const QChar lone[] = {QChar(u'a'), QChar(0xD800), QChar(u'b')};
    EXPECT_EQ(searchURL(SearchEngine::google, QStringView(lone, 3)), std::nullopt);
    EXPECT_EQ(percentEncode(QStringView(lone + 1, 1), true), std::nullopt);
}

TEST(LookUpTerm, TrimsPunctuationAndSymbolsAtWordEnds) {
    EXPECT_EQ(lookUpTerm(u"Hello, world!"), QStringLiteral("Hello world"));
    EXPECT_EQ(lookUpTerm(u"  «don't»\n"), QStringLiteral("don't"));
    EXPECT_EQ(lookUpTerm(u"$100 (approx.)"), QStringLiteral("100 approx"));
    EXPECT_EQ(lookUpTerm(u"\U0001F600word\U0001F44D\U0001F3FD"), QStringLiteral("word"));
    // A trailing combining mark belongs to the word.
    EXPECT_EQ(lookUpTerm(u"cafe\u0301."), QStringLiteral("cafe\u0301"));
    // Pieces of only punctuation vanish and do not count as words.
    EXPECT_EQ(lookUpTerm(u"one - two -- three"), QStringLiteral("one two three"));
    EXPECT_EQ(lookUpTerm(u"... !!! ---"), std::nullopt);
    EXPECT_EQ(lookUpTerm(u" \n"), std::nullopt);
}

TEST(LookUpTerm, LimitsWordsAndCharacters) {
    EXPECT_EQ(lookUpTerm(u"one two three four"), std::nullopt);
    EXPECT_TRUE(lookUpTerm(u"one two three"));
    EXPECT_EQ(lookUpTerm(QString(61, u'a')), std::nullopt);
    EXPECT_TRUE(lookUpTerm(QString(60, u'a')));
    const QString twenty(20, u'w');
    EXPECT_EQ(lookUpTerm(QString(twenty + u' ' + twenty + u' ' + twenty)), std::nullopt); // 62
    // Characters, not UTF-16 units: 60 accented letters are 120 units.
    EXPECT_TRUE(lookUpTerm(QStringLiteral("e\u0301").repeated(60)));
    EXPECT_EQ(lookUpTerm(QStringLiteral("e\u0301").repeated(61)), std::nullopt);
}

TEST(LookUpTerm, AWebAddressHasNone) {
    for (const char16_t* text : {u"https://example.com/page", u"(HTTP://EXAMPLE.COM)",
                                 u"see www.example.org", u"ftp://files.example"})
        EXPECT_EQ(lookUpTerm(text), std::nullopt) << QString::fromUtf16(text).toStdString();
    // Words that merely hold a colon or a dot are words.
    EXPECT_EQ(lookUpTerm(u"note: e.g."), QStringLiteral("note e.g"));
}

TEST(WebLink, ReadsAddressesAsBrowsersDo) {
    const auto encoded = [](const char16_t* text) {
        const std::optional<QUrl> url = WebLink::parse(text);
        return url ? url->toEncoded() : QByteArray("<none>");
    };
    EXPECT_EQ(encoded(u"https://example.com/a b|c"), "https://example.com/a%20b%7Cc");
    EXPECT_EQ(encoded(u"  HTTPS://Example.com/?q=<x>\n"), "https://example.com/?q=%3Cx%3E");
    EXPECT_EQ(encoded(u"http://example.com"), "http://example.com");
    // No scheme, another scheme, no host, a space in the host, two lines: none.
    for (const char16_t* text :
         {u"example.com/x", u"www.example.com", u"ftp://example.com/f", u"https:example.com",
          u"https://", u"https://exa mple.com/", u"https://a.example\nhttps://b.example",
          u"https://a.example/\x01"})
        EXPECT_EQ(encoded(text), "<none>") << QString::fromUtf16(text).toStdString();
}

TEST(LookUpURL, CarriesTheTermUnchangedToTheHandler) {
    EXPECT_EQ(lookUpURL(QStringLiteral("Hello, world!"))->toEncoded(), "dict:Hello%20world");
    // Case, digits and non-ASCII letters survive, which a host name would not allow.
    EXPECT_EQ(lookUpURL(QStringLiteral("e-mail don't"))->toEncoded(), "dict:e-mail%20don%27t");
    EXPECT_EQ(lookUpURL(QStringLiteral("Grüß 123"))->toEncoded(), "dict:Gr%C3%BC%C3%9F%20123");
    EXPECT_EQ(lookUpURL(u"Grüß")->path(), QStringLiteral("Grüß"));
}
