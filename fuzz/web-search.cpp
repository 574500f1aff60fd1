// What "Search the web" and "Look Up" make of a captured text.
//
// Input: the text (UTF-8; "\uXXXX" is any UTF-16 code unit; FF FE starts raw
// UTF-16LE, FE FF raw UTF-16BE).

#include "FuzzSupport.h"

#include "output/SearchEngine.h"
#include "output/WebSearch.h"
#include "recognition/UnicodeText.h"

#include <QUrl>
#include <QUrlQuery>

#include <unicode/uchar.h>

#include <algorithm>

using FuzzSupport::require;

namespace {

// Kept raw in an encoded query: ASCII letters and digits, "-._~" and the
// percent sign of an escape. Bytes from 0x80 are the UTF-8 of non-ASCII
// letters, marks and digits, checked separately.
bool isAllowedAscii(char c, bool unreservedPunctuation) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '%' ||
           (unreservedPunctuation && (c == '-' || c == '.' || c == '_' || c == '~'));
}

void checkEncoding(const QString& text, bool unreservedPunctuation) {
    const std::optional<QByteArray> encoded = WebSearch::percentEncode(text, unreservedPunctuation);
    require(encoded.has_value() == !FuzzSupport::hasLoneSurrogate(text),
            "encoding fails exactly on lone surrogates", text);
    if (!encoded)
        return;
    for (qsizetype i = 0; i < encoded->size(); ++i) {
        const char c = (*encoded)[i];
        if (static_cast<unsigned char>(c) < 0x80)
            require(isAllowedAscii(c, unreservedPunctuation), "only unreserved ASCII stays raw",
                    text + u" -> " + QString::fromLatin1(*encoded));
        if (c == '%')
            require(i + 2 < encoded->size() &&
                        QByteArray("0123456789ABCDEF").contains((*encoded)[i + 1]) &&
                        QByteArray("0123456789ABCDEF").contains((*encoded)[i + 2]),
                    "escapes are two upper-case hex digits", text);
    }
    // Whatever is left raw outside ASCII is a letter, mark or digit.
    const QString raw = FuzzSupport::fromUtf8Exact(*encoded);
    for (char32_t scalar : raw.toUcs4())
        if (scalar >= 0x80)
            require(UnicodeText::isLetterMarkOrDigit(scalar),
                    "raw non-ASCII is a letter, mark or digit", text);
    require(QByteArray::fromPercentEncoding(*encoded) == text.toUtf8(),
            "decoding gives back the text", text);
}

// Nothing a shell, a desktop file's Exec line or a terminal would act on.
void checkAddressIsInert(const QByteArray& address, const QString& text) {
    for (const char c : address) {
        const auto u = static_cast<unsigned char>(c);
        require(u > 0x20 && u < 0x7F, "an address is printable ASCII", text);
        require(!QByteArray(" \"'`$;&|<>(){}[]\\*!^,").contains(c),
                "no shell metacharacter raw in an address",
                text + u" -> " + QString::fromLatin1(address));
    }
}

bool spaceMergesWithANeighbour(const QString& text) {
    const auto breakClass = [](char32_t c) {
        return u_getIntPropertyValue(UChar32(c), UCHAR_GRAPHEME_CLUSTER_BREAK);
    };
    const QList<uint> scalars = text.toUcs4();
    for (qsizetype i = 0; i < scalars.size(); ++i) {
        if (scalars[i] != u' ')
            continue;
        if (i > 0 && breakClass(scalars[i - 1]) == U_GCB_PREPEND)
            return true;
        if (i + 1 < scalars.size()) {
            const int next = breakClass(scalars[i + 1]);
            if (next == U_GCB_EXTEND || next == U_GCB_ZWJ || next == U_GCB_SPACING_MARK)
                return true;
        }
    }
    return false;
}

void checkSearch(const QString& text) {
    const std::optional<QString> query = WebSearch::searchQuery(text);
    const QStringList words = FuzzSupport::words(text);
    require(query.has_value() == !words.isEmpty(), "a query exactly when there is a word", text);
    if (!query)
        return;
    require(!query->isEmpty(), "a query is never empty", text);
    require(FuzzSupport::clusters(*query).size() <= WebSearch::maximumQueryCharacters,
            "a query has at most 500 characters", *query);
    if (!spaceMergesWithANeighbour(*query))
        require(FuzzSupport::hasTidyWhitespace(*query),
                "no leading, trailing or double white space", *query);
    const QString collapsed = words.join(u' ');
    require(collapsed.startsWith(*query), "the query is the start of the collapsed text", *query);
    if (FuzzSupport::clusters(collapsed).size() <= WebSearch::maximumQueryCharacters)
        require(*query == collapsed, "a short text is searched whole", *query);

    checkEncoding(*query, true);
    for (const SearchEngine engine : SearchEngines::allCases) {
        const std::optional<QUrl> url = WebSearch::searchURL(engine, text);
        require(url.has_value() == !FuzzSupport::hasLoneSurrogate(*query),
                "an address for every encodable query", *query);
        if (!url)
            continue;
        const QByteArray address = url->toEncoded();
        const QByteArray prefix = SearchEngines::addressPrefix(engine).toUtf8();
        require(address.startsWith(prefix), "the engine's address, query last",
                QString::fromLatin1(address));
        require(url->scheme() == u"https" && url->host() == SearchEngines::host(engine) &&
                    url->path() == SearchEngines::path(engine),
                "scheme, host and path of the engine", QString::fromLatin1(address));
        checkAddressIsInert(address, text);
        const QByteArray value = address.sliced(prefix.size());
        require(FuzzSupport::fromUtf8Exact(QByteArray::fromPercentEncoding(value)) == *query,
                "the q value decodes to the query", *query);
        // Qt's own decoder turns noncharacters such as U+FFFF into U+FFFD, as
        // browsers do not, so the value is compared still encoded.
        const QUrlQuery parsed(*url);
        const auto items = parsed.queryItems(QUrl::FullyEncoded);
        require(items.size() == 1 && items.front().first == u"q" &&
                    FuzzSupport::fromUtf8Exact(
                        QByteArray::fromPercentEncoding(items.front().second.toLatin1())) == *query,
                "one query item, q, holding the whole query", *query);
    }
}

void checkLookUp(const QString& text) {
    const std::optional<QString> term = WebSearch::lookUpTerm(text);
    const std::optional<QUrl> url = WebSearch::lookUpURL(text);
    require(url.has_value() == (term && !FuzzSupport::hasLoneSurrogate(*term)),
            "a dictionary address for every encodable term", text);
    if (!term)
        return;
    require(FuzzSupport::clusters(*term).size() <= WebSearch::maximumTermCharacters,
            "a term has at most 60 characters", *term);
    require(!UnicodeText::isPunctuationOrSymbol(FuzzSupport::firstScalar(*term)) &&
                !UnicodeText::isPunctuationOrSymbol(FuzzSupport::lastScalar(*term)),
            "a term is trimmed of punctuation and symbols", *term);
    for (const QString& piece : term->split(u' ', Qt::SkipEmptyParts))
        require(text.contains(piece), "every word comes from the text", *term);
    // Words are found by grapheme clusters, and a space joining two of them
    // can merge with a neighbour into one cluster (after a prepended mark such
    // as U+0600, before a joiner or a combining mark): then the words of the
    // term are not those it was made of, and only the checks above hold.
    if (!spaceMergesWithANeighbour(*term)) {
        const QStringList words = FuzzSupport::words(*term);
        require(!words.isEmpty() && words.size() <= WebSearch::maximumTermWords,
                "a term has one to three words", *term);
        require(FuzzSupport::hasTidyWhitespace(*term), "a term has tidy white space", *term);
        for (const QString& word : words) {
            require(!UnicodeText::isPunctuationOrSymbol(FuzzSupport::firstScalar(word)) &&
                        !UnicodeText::isPunctuationOrSymbol(FuzzSupport::lastScalar(word)),
                    "words are trimmed of punctuation and symbols", *term);
        }
    }
    checkEncoding(*term, false);
    if (!url)
        return;
    const QByteArray address = url->toEncoded();
    require(address.startsWith("dict:"), "a dictionary address", QString::fromLatin1(address));
    checkAddressIsInert(address, text);
    require(FuzzSupport::fromUtf8Exact(QByteArray::fromPercentEncoding(address.sliced(5))) == *term,
            "the dictionary address decodes to the term", *term);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzSupport::decodeText(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkSearch(text);
    checkLookUp(text);
    checkEncoding(text, true);
    checkEncoding(text, false);
    return 0;
}
