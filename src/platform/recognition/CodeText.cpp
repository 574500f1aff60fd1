#include "platform/recognition/CodeText.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace CodeText {
namespace {

bool isIdentifier(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Words that a bracket often follows after a space in well-written code.
const QStringList keywords = {u"if"_s,    u"for"_s,  u"while"_s, u"switch"_s, u"return"_s,
                              u"and"_s,   u"or"_s,   u"not"_s,   u"in"_s,     u"elif"_s,
                              u"catch"_s, u"with"_s, u"else"_s,  u"do"_s,     u"case"_s};

// The identifier that ends just before `end` (exclusive).
QString wordBefore(const QString& line, qsizetype end) {
    qsizetype start = end;
    while (start > 0 && isIdentifier(line[start - 1]))
        --start;
    return line.mid(start, end - start);
}

// A zero with a dot or a slash inside, as monospace fonts draw it, is read as
// one of these.
bool looksLikeZero(QChar c) {
    return c == u'@' || c == u'\u00a9' || c == u'\u00ae'; // @ © ®
}

// The character next to i in the direction step, past spaces; a null QChar at the end.
QChar neighbour(const QString& line, qsizetype i, qsizetype step) {
    for (i += step; i >= 0 && i < line.size(); i += step) {
        if (line[i] != u' ')
            return line[i];
    }
    return {};
}

// Code has no typographic quotes, and where an operand stands between an
// operator and a bracket or separator ("start=@)", "? © :") it is a number.
QString codeCharacters(QString line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\u201c' || c == u'\u201d' || c == u'\u201e') // “ ” „
            line[i] = u'"';
        else if (c == u'\u2018' || c == u'\u2019') // ‘ ’
            line[i] = u'\'';
        else if (looksLikeZero(c) && QStringView(u"=(,?:[").contains(neighbour(line, i, -1)) &&
                 (neighbour(line, i, 1).isNull() ||
                  QStringView(u"),;:]}").contains(neighbour(line, i, 1))))
            line[i] = u'0';
    }
    return line;
}

} // namespace

bool looksLikeCode(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'_' || c == u'=' || c == u';' || c == u'{' || c == u'}')
            return true;
        // A call or an index: "expandtabs(", "items[".
        if ((c == u'(' || c == u'[') && i > 0 && isIdentifier(line[i - 1]))
            return true;
    }
    return line.contains(u"::"_s) || line.contains(u"->"_s);
}

QString tidy(const QString& read, bool listing) {
    const bool code = looksLikeCode(read);
    if (!listing && !code)
        return read;
    const QString line = code ? codeCharacters(read) : read;
    QString out;
    out.reserve(line.size());
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c != u' ' || out.isEmpty() || i + 1 >= n) {
            out += c;
            continue;
        }
        const QChar before = out.back();
        const QChar after = line[i + 1];
        // "text. translate", "apg. conf": not after a lone letter ("e.g. the").
        if (before == u'.' && (after.isLower() || after == u'_') && out.size() >= 3 &&
            isIdentifier(out[out.size() - 2]) && isIdentifier(out[out.size() - 3]))
            continue;
        // "std: :vector", "data_ len"
        if ((before == u':' && after == u':') || (before == u'_' && isIdentifier(after)))
            continue;
        // "self .value"
        if (isIdentifier(before) && after == u'.' && i + 2 < n &&
            (line[i + 2].isLetter() || line[i + 2] == u'_'))
            continue;
        // "print (x)", but "if (x)" and "VALUES (1)" stay.
        if (!listing && after == u'(' && (before.isLower() || before == u'_')) {
            const QString word = wordBefore(out, out.size());
            if (!word.isEmpty() && !keywords.contains(word) && !word.front().isUpper())
                continue;
        }
        out += c;
    }
    return out;
}

} // namespace CodeText
