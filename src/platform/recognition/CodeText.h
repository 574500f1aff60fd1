#pragma once

#include <QString>

// The engine reads monospace text as if it were set in a proportional font:
// the wide cell of a full stop looks like a space after it ("text. translate",
// "apg. conf"), and the gap before an opening bracket like one before it
// ("self .value", "print (x)"). In lines that read as code or as a listing,
// such spaces are taken out again.
namespace CodeText {

// Whether a line reads as code: it holds the marks of it (underscores,
// brackets, operators) that running text seldom has.
bool looksLikeCode(const QString& line);

// The line without the spaces described above; in a line of code, also with
// straight quotes for typographic ones and zeros for the "@" or "©" the
// engine reads a dotted zero as. `listing`: the line is a row
// of a listing or table, where file names and addresses are the rule, so it
// is tidied even without the marks of code.
QString tidy(const QString& line, bool listing = false);

} // namespace CodeText
