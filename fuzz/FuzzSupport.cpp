#include "FuzzSupport.h"

#include "recognition/UnicodeText.h"

#include <QStringDecoder>
#include <QTemporaryDir>

#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace FuzzSupport {

void fail(const char* invariant, const QString& detail) {
    std::fprintf(stderr, "\n*** invariant broken: %s\n", invariant);
    if (!detail.isEmpty())
        std::fprintf(stderr, "*** %s\n", visible(detail).toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

namespace {

int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

QString fromUtf16(QByteArrayView bytes, bool littleEndian) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(littleEndian ? char16_t(first | (second << 8))
                                       : char16_t((first << 8) | second)));
    }
    return text;
}

} // namespace

QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 5 < text.size() && text[i + 1] == u'u') {
            int value = 0;
            bool ok = true;
            for (qsizetype k = i + 2; k < i + 6 && ok; ++k) {
                const int digit = hexValue(text[k].unicode());
                ok = digit >= 0;
                value = value * 16 + digit;
            }
            if (ok) {
                out.append(QChar(char16_t(value)));
                i += 5;
                continue;
            }
        }
        out.append(text[i]);
    }
    return out;
}

QString fromUtf8Exact(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QString decodeText(QByteArrayView bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return unescape(fromUtf16(bytes.sliced(2), true));
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        return unescape(fromUtf16(bytes.sliced(2), false));
    return unescape(QString::fromUtf8(bytes));
}

double parseNumber(QByteArrayView token) {
    const std::string s(token.data(), size_t(token.size()));
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    return end == s.c_str() ? 0.0 : value;
}

std::optional<qint64> parseInteger(QByteArrayView token) {
    const std::string s(token.data(), size_t(token.size()));
    if (s.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(s.c_str(), &end, 0);
    if (end != s.c_str() + s.size())
        return std::nullopt;
    return qint64(value); // strtoll saturates on overflow
}

QList<QStringView> clusters(QStringView text) {
    static std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status))
            fail("ICU makes a character break iterator");
        return made;
    }();
    QList<QStringView> out;
    if (text.isEmpty())
        return out;
    UErrorCode status = U_ZERO_ERROR;
    UText utext = UTEXT_INITIALIZER;
    utext_openUChars(&utext, reinterpret_cast<const UChar*>(text.utf16()), text.size(), &status);
    iterator->setText(&utext, status);
    if (U_FAILURE(status))
        fail("ICU takes the text");
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE;
         start = end, end = iterator->next())
        out.append(text.sliced(start, end - start));
    utext_close(&utext);
    return out;
}

bool isWhitespaceCluster(QStringView cluster) {
    return UnicodeText::isWhitespace(cluster);
}

QStringList words(QStringView text) {
    QStringList out;
    qsizetype start = -1;
    for (const QStringView c : clusters(text)) {
        const qsizetype at = c.data() - text.data();
        if (isWhitespaceCluster(c)) {
            if (start >= 0)
                out.append(text.sliced(start, at - start).toString());
            start = -1;
        } else if (start < 0) {
            start = at;
        }
    }
    if (start >= 0)
        out.append(text.sliced(start).toString());
    return out;
}

bool hasTidyWhitespace(QStringView text) {
    const QList<QStringView> all = clusters(text);
    if (all.isEmpty())
        return true;
    if (isWhitespaceCluster(all.front()) || isWhitespaceCluster(all.back()))
        return false;
    for (qsizetype i = 1; i < all.size(); ++i)
        if (isWhitespaceCluster(all[i - 1]) && isWhitespaceCluster(all[i]))
            return false;
    return true;
}

bool hasLoneSurrogate(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return true;
            ++i;
        } else if (text[i].isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

char32_t firstScalar(QStringView text) {
    if (text.isEmpty())
        return 0;
    if (text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return text[0].unicode();
}

char32_t lastScalar(QStringView text) {
    if (text.isEmpty())
        return 0;
    const qsizetype n = text.size();
    if (n > 1 && text[n - 1].isLowSurrogate() && text[n - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[n - 2], text[n - 1]);
    return text[n - 1].unicode();
}

QString visible(QStringView text) {
    QString out;
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            out.append(c);
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

QString temporaryDirectory() {
    static QTemporaryDir directory;
    if (!directory.isValid())
        fail("a temporary directory can be made", directory.errorString());
    return directory.path();
}

} // namespace FuzzSupport
