#pragma once

#include "output/SearchEngine.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// What "Search the web" and "Look Up" make of a text. Pure functions, so the
// toast, the result window and the history window agree on when to offer the
// actions and on what they open.
namespace WebSearch {

inline constexpr qsizetype maximumQueryCharacters = 500;
inline constexpr qsizetype maximumTermWords = 3;
inline constexpr qsizetype maximumTermCharacters = 60;

// The text with its white space collapsed to single spaces, cut to 500
// characters (without a space left dangling at the cut); none for a blank text.
std::optional<QString> searchQuery(QStringView text);

// Percent-encodes every Unicode scalar except letters, marks and digits (and,
// when asked, "-._~") as the upper-case %XX of its UTF-8 bytes. Kept scalars
// stay raw UTF-8. None when the text is not valid UTF-16 (a lone surrogate).
std::optional<QByteArray> percentEncode(QStringView text, bool keepUnreservedPunctuation);

// "https://<host><path>?q=<encoded query>"; none without a query.
std::optional<QUrl> searchURL(SearchEngine engine, QStringView text);

// One to three words, trimmed of punctuation and symbols at both ends, at
// most 60 characters; none otherwise, and none when a word is a web address.
std::optional<QString> lookUpTerm(QStringView text);

// The dictionary address of the text's term: "dict:" and the term encoded
// keeping only letters, marks and digits. Qt's URL type treats whatever
// follows "dict://" as a host name (lower-casing it, turning non-ASCII into
// punycode, digits into an IPv4 address, and refusing spaces), so the address
// carries the term without the "//" to reach the handler unchanged.
std::optional<QUrl> lookUpURL(QStringView text);

} // namespace WebSearch
