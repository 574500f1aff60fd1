#include "recognition/UnicodeText.h"

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <memory>

namespace UnicodeText {
namespace {

// Walks the grapheme clusters of a text. ICU's iterator is costly to create
// and not thread-safe, so each thread keeps one and reuses it.
class GraphemeWalker {
public:
    explicit GraphemeWalker(QStringView text)
        : text_(text) {
        thread_local std::unique_ptr<icu::BreakIterator> cached;
        if (!cached) {
            UErrorCode status = U_ZERO_ERROR;
            cached.reset(
                icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
            if (U_FAILURE(status))
                cached.reset();
        }
        iterator_ = cached.get();
        if (iterator_) {
            UErrorCode status = U_ZERO_ERROR;
            utext_openUChars(&utext_, reinterpret_cast<const UChar*>(text.utf16()), text.size(),
                             &status);
            iterator_->setText(&utext_, status);
            if (U_FAILURE(status))
                iterator_ = nullptr;
            else
                iterator_->first();
        }
    }
    ~GraphemeWalker() { utext_close(&utext_); }
    GraphemeWalker(const GraphemeWalker&) = delete;
    GraphemeWalker& operator=(const GraphemeWalker&) = delete;

    // The next cluster as [start, end), or false at the end.
    bool next(qsizetype& start, qsizetype& end) {
        if (position_ >= text_.size())
            return false;
        start = position_;
        qsizetype boundary = icu::BreakIterator::DONE;
        if (iterator_)
            boundary = iterator_->following(int32_t(position_));
        if (boundary == icu::BreakIterator::DONE || boundary <= position_)
            boundary = nextScalarEnd(position_); // without ICU, fall back to scalars
        position_ = boundary;
        end = boundary;
        return true;
    }

    // Where the last cluster starts.
    qsizetype lastStart() {
        if (iterator_) {
            const int32_t boundary = iterator_->preceding(int32_t(text_.size()));
            if (boundary != icu::BreakIterator::DONE)
                return boundary;
        }
        const qsizetype last = text_.size() - 1;
        return (last > 0 && text_[last].isLowSurrogate() && text_[last - 1].isHighSurrogate())
                   ? last - 1
                   : last;
    }

private:
    qsizetype nextScalarEnd(qsizetype at) const {
        if (text_[at].isHighSurrogate() && at + 1 < text_.size() && text_[at + 1].isLowSurrogate())
            return at + 2;
        return at + 1;
    }

    QStringView text_;
    UText utext_ = UTEXT_INITIALIZER;
    icu::BreakIterator* iterator_ = nullptr;
    qsizetype position_ = 0;
};

char32_t firstScalar(QStringView character) {
    if (character.isEmpty())
        return 0;
    if (character[0].isHighSurrogate() && character.size() > 1 && character[1].isLowSurrogate())
        return QChar::surrogateToUcs4(character[0], character[1]);
    return character[0].unicode();
}

bool isSingleScalar(QStringView character) {
    return character.size() == 1 || (character.size() == 2 && character[0].isHighSurrogate() &&
                                     character[1].isLowSurrogate());
}

icu::UnicodeString toIcu(QStringView s) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(s.utf16()), int32_t(s.size()));
}

template <typename Fn>
void forEachCharacter(QStringView text, Fn&& fn) {
    GraphemeWalker walker(text);
    qsizetype start = 0, end = 0;
    while (walker.next(start, end))
        if (!fn(text.sliced(start, end - start)))
            return;
}

} // namespace

QStringList characters(QStringView text) {
    QStringList out;
    forEachCharacter(text, [&](QStringView c) {
        out.append(c.toString());
        return true;
    });
    return out;
}

qsizetype characterCount(QStringView text) {
    qsizetype n = 0;
    forEachCharacter(text, [&](QStringView) {
        ++n;
        return true;
    });
    return n;
}

QString leftCharacters(QStringView text, qsizetype count) {
    qsizetype n = 0, end = 0;
    forEachCharacter(text, [&](QStringView c) {
        if (n == count)
            return false;
        ++n;
        end = c.data() - text.data() + c.size();
        return true;
    });
    return text.first(end).toString();
}

QStringView firstCharacter(QStringView text) {
    QStringView first;
    forEachCharacter(text, [&](QStringView c) {
        first = c;
        return false;
    });
    return first;
}

QStringView lastCharacter(QStringView text) {
    if (text.isEmpty())
        return {};
    GraphemeWalker walker(text);
    return text.sliced(walker.lastStart());
}

bool isWhitespace(QStringView character) {
    return !character.isEmpty() && u_hasBinaryProperty(firstScalar(character), UCHAR_WHITE_SPACE);
}

bool isLetter(QStringView character) {
    return !character.isEmpty() && u_hasBinaryProperty(firstScalar(character), UCHAR_ALPHABETIC);
}

bool isLowercase(QStringView character) {
    if (character.isEmpty())
        return false;
    const bool single = isSingleScalar(character);
    if (single && u_hasBinaryProperty(firstScalar(character), UCHAR_LOWERCASE))
        return true;
    const icu::UnicodeString original = toIcu(character);
    icu::UnicodeString lower = original, upper = original;
    lower.toLower(icu::Locale::getRoot());
    upper.toUpper(icu::Locale::getRoot());
    const bool cased = (single && u_hasBinaryProperty(firstScalar(character), UCHAR_CASED)) ||
                       upper != original || lower != original;
    return lower == original && cased;
}

bool isLetterMarkOrDigit(char32_t scalar) {
    const int32_t mask = U_GET_GC_MASK(scalar);
    return (mask & (U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK)) != 0;
}

bool isPunctuationOrSymbol(char32_t scalar) {
    const int32_t mask = U_GET_GC_MASK(scalar);
    return (mask & (U_GC_P_MASK | U_GC_S_MASK)) != 0;
}

QStringList splitAtWhitespace(QStringView text) {
    QStringList pieces;
    qsizetype pieceStart = -1;
    qsizetype position = 0;
    forEachCharacter(text, [&](QStringView c) {
        const qsizetype at = c.data() - text.data();
        if (isWhitespace(c)) {
            if (pieceStart >= 0)
                pieces.append(text.sliced(pieceStart, at - pieceStart).toString());
            pieceStart = -1;
        } else if (pieceStart < 0) {
            pieceStart = at;
        }
        position = at + c.size();
        return true;
    });
    if (pieceStart >= 0)
        pieces.append(text.sliced(pieceStart, position - pieceStart).toString());
    return pieces;
}

QString collapseWhitespace(QStringView text) {
    return splitAtWhitespace(text).join(u' ');
}

QStringList splitAtLineBreaks(QStringView text) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool isBreak = c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x0085 ||
                             c == 0x2028 || c == 0x2029;
        if (!isBreak)
            continue;
        if (i > start)
            pieces.append(text.sliced(start, i - start).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        pieces.append(text.sliced(start).toString());
    return pieces;
}

} // namespace UnicodeText
