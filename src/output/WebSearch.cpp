#include "output/WebSearch.h"

#include "output/WebLink.h"
#include "recognition/UnicodeText.h"

#include <QStringList>

namespace WebSearch {
namespace {

bool isUnreservedPunctuation(char32_t scalar) {
    return scalar == U'-' || scalar == U'.' || scalar == U'_' || scalar == U'~';
}

void appendUtf8(QByteArray& out, char32_t scalar, bool escaped) {
    char bytes[4];
    int count = 0;
    if (scalar < 0x80) {
        bytes[count++] = char(scalar);
    } else if (scalar < 0x800) {
        bytes[count++] = char(0xC0 | (scalar >> 6));
        bytes[count++] = char(0x80 | (scalar & 0x3F));
    } else if (scalar < 0x10000) {
        bytes[count++] = char(0xE0 | (scalar >> 12));
        bytes[count++] = char(0x80 | ((scalar >> 6) & 0x3F));
        bytes[count++] = char(0x80 | (scalar & 0x3F));
    } else {
        bytes[count++] = char(0xF0 | (scalar >> 18));
        bytes[count++] = char(0x80 | ((scalar >> 12) & 0x3F));
        bytes[count++] = char(0x80 | ((scalar >> 6) & 0x3F));
        bytes[count++] = char(0x80 | (scalar & 0x3F));
    }
    static constexpr char hex[] = "0123456789ABCDEF";
    for (int i = 0; i < count; ++i) {
        if (!escaped) {
            out.append(bytes[i]);
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out.append('%');
        out.append(hex[byte >> 4]);
        out.append(hex[byte & 0x0F]);
    }
}

// Trims punctuation and symbol scalars from both ends of a word.
QStringView trimPunctuationAndSymbols(QStringView word) {
    qsizetype start = 0;
    qsizetype end = word.size();
    while (start < end) {
        const qsizetype width =
            (word[start].isHighSurrogate() && start + 1 < end && word[start + 1].isLowSurrogate())
                ? 2
                : 1;
        if (!UnicodeText::isPunctuationOrSymbol(
                width == 2 ? QChar::surrogateToUcs4(word[start], word[start + 1])
                           : word[start].unicode()))
            break;
        start += width;
    }
    while (end > start) {
        const qsizetype width =
            (word[end - 1].isLowSurrogate() && end - 2 >= start && word[end - 2].isHighSurrogate())
                ? 2
                : 1;
        const char32_t scalar = width == 2 ? QChar::surrogateToUcs4(word[end - 2], word[end - 1])
                                           : word[end - 1].unicode();
        if (!UnicodeText::isPunctuationOrSymbol(scalar))
            break;
        end -= width;
    }
    return word.sliced(start, end - start);
}

} // namespace

std::optional<QString> searchQuery(QStringView text) {
    const QString collapsed = UnicodeText::collapseWhitespace(text);
    if (collapsed.isEmpty())
        return std::nullopt;
    QString query = UnicodeText::leftCharacters(collapsed, maximumQueryCharacters);
    // Cut just after a word, the query would end in the space that followed
    // it. (A space that carries a lone accent into its cluster is kept: it is
    // how the collapsed text itself may end.)
    if (UnicodeText::lastCharacter(query) == u" ")
        query.chop(1);
    return query;
}

std::optional<QByteArray> percentEncode(QStringView text, bool keepUnreservedPunctuation) {
    QByteArray out;
    out.reserve(text.size() * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t scalar = text[i].unicode();
        if (text[i].isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return std::nullopt;
            scalar = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (text[i].isLowSurrogate()) {
            return std::nullopt;
        }
        const bool keep = UnicodeText::isLetterMarkOrDigit(scalar) ||
                          (keepUnreservedPunctuation && isUnreservedPunctuation(scalar));
        appendUtf8(out, scalar, !keep);
    }
    return out;
}

std::optional<QUrl> searchURL(SearchEngine engine, QStringView text) {
    const std::optional<QString> query = searchQuery(text);
    if (!query)
        return std::nullopt;
    const std::optional<QByteArray> encoded = percentEncode(*query, true);
    if (!encoded)
        return std::nullopt;
    // fromEncoded in strict mode keeps every %XX we wrote as it stands (none
    // of them stands for an unreserved character, which QUrl would decode),
    // so the engine receives the whole text as the one value of "q". The raw
    // UTF-8 of non-ASCII letters comes out of toEncoded() as %XX of the same
    // bytes, which is how browsers send them anyway.
    const QUrl url = QUrl::fromEncoded(SearchEngines::addressPrefix(engine).toUtf8() + *encoded,
                                       QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

std::optional<QString> lookUpTerm(QStringView text) {
    QStringList words;
    for (const QString& piece : UnicodeText::splitAtWhitespace(text)) {
        const QStringView word = trimPunctuationAndSymbols(piece);
        if (WebLink::looksLikeAddress(word))
            return std::nullopt;
        if (!word.isEmpty())
            words.append(word.toString());
    }
    if (words.isEmpty() || words.size() > maximumTermWords)
        return std::nullopt;
    QString term = words.join(u' ');
    if (UnicodeText::characterCount(term) > maximumTermCharacters)
        return std::nullopt;
    return term;
}

std::optional<QUrl> lookUpURL(QStringView text) {
    const std::optional<QString> term = lookUpTerm(text);
    if (!term)
        return std::nullopt;
    const std::optional<QByteArray> encoded = percentEncode(*term, false);
    if (!encoded)
        return std::nullopt;
    const QUrl url = QUrl::fromEncoded("dict:" + *encoded, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

} // namespace WebSearch
