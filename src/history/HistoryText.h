#pragma once

#include <QString>
#include <QStringView>

// What a history row shows of a capture's text. Captures can be very long
// (a whole page, or a million characters pasted from a log), so nothing here
// looks at more of the text than it needs.
namespace HistoryText {

// The first line that is not empty, split as the word list splits lines (LF,
// VT, FF, CR, CR LF, NEL, LS, PS), untrimmed; empty when there is none.
QStringView firstLine(QStringView text);

// The text cut to its first `maximumCharacters` characters with "…" added
// when anything was cut. Rows never show more than a line's width, and
// laying out a huge line only to elide it would stall painting.
QString shortened(QStringView text, qsizetype maximumCharacters);

// Whether "Look Up" has a term for the text. Gives up early on long texts of
// many words instead of splitting the whole text.
bool offersLookUp(QStringView text);

} // namespace HistoryText
