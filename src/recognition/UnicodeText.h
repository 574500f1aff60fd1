#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Character classes applied per user-perceived character (extended grapheme
// cluster), with Unicode properties from ICU. Every count of characters or
// words in the program goes through here.
namespace UnicodeText {

// The extended grapheme clusters of a text, in order.
QStringList characters(QStringView text);
qsizetype characterCount(QStringView text);
// The text's first `count` characters (all of it when shorter).
QString leftCharacters(QStringView text, qsizetype count);
QStringView firstCharacter(QStringView text);
QStringView lastCharacter(QStringView text);

// The character's first scalar has the White_Space property.
bool isWhitespace(QStringView character);
// The character's first scalar has the Alphabetic property.
bool isLetter(QStringView character);
// A single Lowercase scalar, or a cased character that lower-casing leaves unchanged.
bool isLowercase(QStringView character);
// The character's first scalar is a letter, mark or digit (general categories L, M, N).
bool isLetterMarkOrDigit(char32_t scalar);
// The scalar is punctuation (P*) or a symbol (S*).
bool isPunctuationOrSymbol(char32_t scalar);

// Splits at every whitespace character, dropping empty pieces.
QStringList splitAtWhitespace(QStringView text);
// The pieces of splitAtWhitespace joined by single spaces.
QString collapseWhitespace(QStringView text);
// Splits at every line break (LF, VT, FF, CR, CR LF, NEL, LS, PS), dropping empty pieces.
QStringList splitAtLineBreaks(QStringView text);

} // namespace UnicodeText
