#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <optional>

// What every fuzz target shares: turning bytes into realistic inputs, and
// stopping loudly when an invariant breaks, so libFuzzer keeps the input.
namespace FuzzSupport {

// Prints what broke and the offending values, then aborts (libFuzzer saves
// the input as a crash).
[[noreturn]] void fail(const char* invariant, const QString& detail = {});

inline void require(bool condition, const char* invariant, const QString& detail = {}) {
    if (!condition)
        fail(invariant, detail);
}

// The text a fuzz input stands for. Bytes starting with FF FE are UTF-16LE
// (FE FF: UTF-16BE), raw code units, so lone surrogates come through; all
// other bytes are UTF-8, invalid sequences becoming U+FFFD. In either form
// "\uXXXX" (four hex digits) stands for that UTF-16 code unit, so a readable
// seed can hold a lone surrogate, a line feed or a control character.
QString decodeText(QByteArrayView bytes);
// Only the "\uXXXX" escapes, on text already decoded.
QString unescape(QStringView text);
// UTF-8 to text exactly, a leading byte-order mark included.
QString fromUtf8Exact(QByteArrayView bytes);

// A number as a seed writes it: decimal, "nan", "inf", "-inf", "1e308",
// hexadecimal floats; 0 when it is none of these.
double parseNumber(QByteArrayView token);
// An integer token, saturated at the ends of the 64-bit range; nullopt when
// the token is not an integer.
std::optional<qint64> parseInteger(QByteArrayView token);

// The extended grapheme clusters of a text, as the program counts characters:
// views into the text, found with ICU directly (not through the program's own
// walker, so the two check each other).
QList<QStringView> clusters(QStringView text);
// A cluster whose first scalar has White_Space: the program's "white space".
bool isWhitespaceCluster(QStringView cluster);
// The words of a text split at whitespace clusters.
QStringList words(QStringView text);
// No whitespace cluster at either end, and never two in a row.
bool hasTidyWhitespace(QStringView text);
// The text holds a high surrogate without a low one after it, or a stray low one.
bool hasLoneSurrogate(QStringView text);

// The first and last Unicode scalar; a lone surrogate counts as itself.
char32_t firstScalar(QStringView text);
char32_t lastScalar(QStringView text);

// Shows a value with everything outside printable ASCII escaped, for failure messages.
QString visible(QStringView text);

// A folder for files, removed when the process ends normally.
QString temporaryDirectory();

} // namespace FuzzSupport

#define FUZZ_REQUIRE(condition, detail) FuzzSupport::require((condition), #condition, (detail))
