// Text assembly over arbitrary recogniser output.
//
// Input: one observation per line. "x y width height:text" gives the box and
// the text as UTF-8; "x y width height|text" the text as raw UTF-16LE bytes.
// Numbers are separated by blanks or commas and may be "nan", "inf", "-inf",
// "1e308" or hexadecimal floats; a missing one is 0. In a text, "\uXXXX" is
// any UTF-16 code unit (lone surrogates, line feeds, tabs). A line without ':'
// or '|' is all text, placed on its own row of a simple page.

#include "FuzzSupport.h"

#include "recognition/TextAssembler.h"

#include <algorithm>
#include <vector>

using FuzzSupport::require;

namespace {

// Indentation never goes beyond this many spaces per line.
constexpr qsizetype indentationCap = 4096;

TextObservations parse(QByteArrayView data) {
    TextObservations observations;
    qsizetype row = 0;
    qsizetype start = 0;
    while (start <= data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArrayView line = data.sliced(start, end - start);
        start = end + 1;

        TextObservation o;
        const qsizetype colon = line.indexOf(':');
        const qsizetype bar = line.indexOf('|');
        qsizetype separator = colon < 0 ? bar : (bar < 0 ? colon : std::min(colon, bar));
        if (separator < 0) {
            if (line.isEmpty())
                continue;
            o.text = FuzzSupport::unescape(QString::fromUtf8(line));
            o.y = double(row) * 20;
            o.width = double(o.text.size()) * 10;
            o.height = 16;
        } else {
            double* fields[] = {&o.x, &o.y, &o.width, &o.height};
            int field = 0;
            for (const QByteArray& token : line.first(separator).toByteArray().split(' ')) {
                for (const QByteArray& number : token.split(',')) {
                    if (number.trimmed().isEmpty() || field == 4)
                        continue;
                    *fields[field++] = FuzzSupport::parseNumber(number.trimmed());
                }
            }
            const QByteArrayView text = line.sliced(separator + 1);
            const QByteArray utf16 = QByteArray("\xFF\xFE") + text.toByteArray();
            o.text = line[separator] == ':' ? FuzzSupport::unescape(QString::fromUtf8(text))
                                            : FuzzSupport::decodeText(utf16);
        }
        observations.append(o);
        ++row;
    }
    return observations;
}

// The text's code units, sorted: a multiset that std::includes can compare.
std::vector<char16_t> sortedUnits(const QString& text, bool (*keep)(char16_t)) {
    std::vector<char16_t> units;
    units.reserve(size_t(text.size()));
    for (QChar c : text)
        if (keep(c.unicode()))
            units.push_back(c.unicode());
    std::sort(units.begin(), units.end());
    return units;
}

bool isNotSeparator(char16_t c) {
    return c != u' ' && c != u'\n';
}

bool isAsciiGraphic(char16_t c) {
    return c > u' ' && c < 0x7F;
}

bool isAsciiGraphicButHyphen(char16_t c) {
    return isAsciiGraphic(c) && c != u'-';
}

QStringList withoutLeadingSpaces(const QString& text, qsizetype* mostSpaces) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        qsizetype n = 0;
        while (n < line.size() && line[n] == u' ')
            ++n;
        *mostSpaces = std::max(*mostSpaces, n);
        line.remove(0, n);
    }
    return lines;
}

// What the checks need to know of the input, worked out once.
struct Input {
    QString allText;
    qsizetype readable = 0; // observations with something other than white space
    std::vector<char16_t> units, ascii, asciiButHyphen;

    explicit Input(const TextObservations& observations) {
        for (const TextObservation& o : observations) {
            allText += o.text;
            if (!FuzzSupport::words(o.text).isEmpty())
                ++readable;
        }
        units = sortedUnits(allText, isNotSeparator);
        ascii = sortedUnits(allText, isAsciiGraphic);
        asciiButHyphen = sortedUnits(allText, isAsciiGraphicButHyphen);
    }
};

void checkOne(const Input& input, const QString& out, bool keepIndentation, bool fixHyphenation) {
    const QString& allText = input.allText;
    const qsizetype readable = input.readable;
    const QString detail = u"flags " + QString::number(keepIndentation) +
                           QString::number(fixHyphenation) + u" output: " + out;

    require(out.isEmpty() == (readable == 0), "empty output exactly when nothing is readable",
            detail);
    require(!out.contains(QStringLiteral("\n\n\n")), "never more than one empty line", detail);

    // Bounded by the input: a separator space and up to two line feeds per
    // piece, plus the indentation cap per line.
    const qsizetype bound =
        allText.size() + readable * (3 + (keepIndentation ? indentationCap : 0));
    require(out.size() <= bound, "output size bounded by the input", detail);

    // Nothing is invented or duplicated: every code unit other than the
    // separators comes from the input, at most as often as it is there. ASCII
    // graphic characters cannot be swallowed by a white-space cluster, so none
    // of them is lost either (hyphens may go when joining).
    const std::vector<char16_t> got = sortedUnits(out, isNotSeparator);
    require(std::includes(input.units.begin(), input.units.end(), got.begin(), got.end()),
            "no code unit invented or duplicated", detail);
    if (fixHyphenation)
        require(sortedUnits(out, isAsciiGraphicButHyphen) == input.asciiButHyphen,
                "no ASCII character lost", detail);
    else
        require(sortedUnits(out, isAsciiGraphic) == input.ascii, "no ASCII character lost", detail);

    // White space is collapsed to single spaces and line feeds. (A space put
    // between two pieces may take a following joiner or mark into its cluster.)
    const QList<QStringView> clusters = FuzzSupport::clusters(out);
    for (const QStringView c : clusters)
        if (FuzzSupport::isWhitespaceCluster(c))
            require(c.front() == u' ' || c == u"\n",
                    "only spaces and line feeds remain as white space", detail);
    // At the ends, a space that carries a mark of the text (a lone combining
    // accent read as a word of its own) is text, not white space to trim.
    const auto bare = [](QStringView c) { return c == u" " || c == u"\n"; };
    if (!clusters.isEmpty()) {
        require(!bare(clusters.back()), "no white space at the end", detail);
        if (!keepIndentation)
            require(!bare(clusters.front()), "no white space at the start", detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TextObservations observations =
        parse(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));

    const Input input(observations);
    QString outputs[2][2];
    for (bool keepIndentation : {false, true}) {
        for (bool fixHyphenation : {false, true}) {
            const QString out =
                TextAssembler::assemble(observations, keepIndentation, fixHyphenation);
            checkOne(input, out, keepIndentation, fixHyphenation);
            outputs[keepIndentation][fixHyphenation] = out;
        }
    }
    require(TextAssembler::assemble(observations, false, false) == outputs[0][0],
            "the same input gives the same text");

    // Indentation only puts spaces in front of lines.
    for (bool fixHyphenation : {false, true}) {
        qsizetype plainSpaces = 0, indentedSpaces = 0;
        const QStringList plain = withoutLeadingSpaces(outputs[0][fixHyphenation], &plainSpaces);
        const QStringList indented =
            withoutLeadingSpaces(outputs[1][fixHyphenation], &indentedSpaces);
        require(plain == indented, "indentation changes nothing but leading spaces",
                outputs[0][fixHyphenation] + u" / " + outputs[1][fixHyphenation]);
        require(indentedSpaces <= plainSpaces + indentationCap, "indentation stays within its cap");
    }
    // Joining hyphenated words never adds lines.
    require(outputs[0][1].count(u'\n') <= outputs[0][0].count(u'\n'),
            "joining hyphenated words never adds a line");
    return 0;
}
