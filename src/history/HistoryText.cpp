#include "history/HistoryText.h"

#include "output/WebSearch.h"
#include "recognition/UnicodeText.h"

#include <unicode/ubrk.h>

namespace HistoryText {
namespace {

bool isLineBreak(char16_t c) {
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x0085 || c == 0x2028 ||
           c == 0x2029;
}

} // namespace

QStringView firstLine(QStringView text) {
    // Empty lines are made of line breaks only, so the first non-empty line
    // starts at the first other character and runs to the next break.
    qsizetype start = 0;
    while (start < text.size() && isLineBreak(text[start].unicode()))
        ++start;
    qsizetype end = start;
    while (end < text.size() && !isLineBreak(text[end].unicode()))
        ++end;
    return text.sliced(start, end - start);
}

QString shortened(QStringView text, qsizetype maximumCharacters) {
    // No text of at most this many UTF-16 units has more characters.
    if (text.size() <= maximumCharacters)
        return text.toString();
    const QString head = UnicodeText::leftCharacters(text, maximumCharacters);
    if (head.size() == text.size())
        return head;
    return head + u'…';
}

bool offersLookUp(QStringView text) {
    // A term has one to three words of at most 60 characters, so a text
    // offers one only when at most three of its white-space separated
    // pieces keep something once their punctuation and symbols are trimmed,
    // and those keep few characters. Walking the text as the term rule
    // splits it (per character) stops as soon as either is exceeded; only
    // the rest go through the exact rule.
    //
    // Every character holding a scalar other than punctuation or a symbol
    // survives the trimming. Cut out of its piece, a run of such characters
    // can at most pair up (regional indicators), so more than twice the
    // limit of them cannot make a short enough term.
    constexpr qsizetype characterLimit = 2 * WebSearch::maximumTermCharacters;
    UErrorCode status = U_ZERO_ERROR;
    UBreakIterator* characters =
        ubrk_open(UBRK_CHARACTER, "", reinterpret_cast<const UChar*>(text.utf16()),
                  int32_t(qMin<qsizetype>(text.size(), INT32_MAX)), &status);
    bool tooLong = false;
    if (U_SUCCESS(status)) {
        int words = 0;
        qsizetype kept = 0;
        bool inWord = false;
        for (int32_t start = ubrk_first(characters), end = ubrk_next(characters);
             end != UBRK_DONE && !tooLong; start = end, end = ubrk_next(characters)) {
            const QStringView character = text.sliced(start, end - start);
            if (UnicodeText::isWhitespace(character)) {
                inWord = false;
                continue;
            }
            bool keeps = false;
            for (const char32_t scalar : character.toUcs4())
                keeps = keeps || !UnicodeText::isPunctuationOrSymbol(scalar);
            if (!keeps)
                continue;
            if (!inWord && ++words > WebSearch::maximumTermWords)
                tooLong = true;
            inWord = true;
            if (++kept > characterLimit)
                tooLong = true;
        }
    }
    ubrk_close(characters);
    return !tooLong && WebSearch::lookUpTerm(text).has_value();
}

} // namespace HistoryText
