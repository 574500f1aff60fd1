#include "recognition/TextAssembler.h"

#include "recognition/TextColumns.h"
#include "recognition/UnicodeText.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace TextAssembler {
namespace {

// Recognisers do not promise finite boxes. Sorting must stay a strict weak
// order whatever comes in, so NaN sorts after every number.
bool totalLess(double a, double b) {
    if (std::isnan(a))
        return false;
    if (std::isnan(b))
        return true;
    return a < b;
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end(), totalLess);
    return values[values.size() / 2];
}

// Indentation of real text never comes near this; it only bounds what a
// hostile or broken box could ask for.
constexpr double maximumIndentation = 4096;

} // namespace

bool isHyphen(QStringView character) {
    return character == u"-" || character == u"\u2010" || character == u"\u00AD";
}

bool isSameLine(double lineTop, double lineBottom, double pieceY, double pieceHeight) {
    const double overlap = std::min(lineBottom, pieceY + pieceHeight) - std::max(pieceY, lineTop);
    return overlap > 0.5 * std::min(lineBottom - lineTop, pieceHeight);
}

QList<Line> groupIntoLines(const TextObservations& observations) {
    std::vector<qsizetype> order(size_t(observations.size()));
    std::iota(order.begin(), order.end(), 0);
    auto centre = [&](qsizetype i) {
        const TextObservation& o = observations[i];
        return o.y + o.height * 0.5;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return totalLess(centre(a), centre(b)); });

    QList<Line> lines;
    TextObservations group;
    double top = 0, bottom = 0;
    for (qsizetype i : order) {
        const TextObservation& piece = observations[i];
        if (!group.isEmpty() && isSameLine(top, bottom, piece.y, piece.height)) {
            group.append(piece);
            top = std::min(top, piece.y);
            bottom = std::max(bottom, piece.y + piece.height);
            continue;
        }
        if (!group.isEmpty())
            lines.append(makeLine(group));
        group = {piece};
        top = piece.y;
        bottom = piece.y + piece.height;
    }
    if (!group.isEmpty())
        lines.append(makeLine(group));
    return lines;
}

Line makeLine(const TextObservations& group) {
    QString concatenated;
    for (const TextObservation& o : group)
        concatenated += o.text;
    Line line;
    line.isRightToLeft = detectRightToLeft(concatenated);

    TextObservations ordered = group;
    if (line.isRightToLeft)
        std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
            return totalLess(b.x + b.width, a.x + a.width);
        });
    else
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return totalLess(a.x, b.x); });

    QStringList texts;
    for (const TextObservation& o : ordered)
        texts.append(o.text);
    line.text = UnicodeText::collapseWhitespace(texts.join(u' '));

    line.minX = group.front().x;
    line.minY = group.front().y;
    line.maxY = group.front().y + group.front().height;
    for (const TextObservation& o : group) {
        line.minX = std::min(line.minX, o.x);
        line.minY = std::min(line.minY, o.y);
        line.maxY = std::max(line.maxY, o.y + o.height);
    }
    return line;
}

bool detectRightToLeft(QStringView text) {
    qsizetype rightToLeft = 0, leftToRight = 0;
    for (char32_t c : text.toUcs4()) {
        if (!u_hasBinaryProperty(UChar32(c), UCHAR_ALPHABETIC))
            continue;
        const bool rtl = (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
                         (c >= 0xFE70 && c <= 0xFEFF);
        (rtl ? rightToLeft : leftToRight)++;
    }
    return rightToLeft > leftToRight;
}

void markParagraphs(QList<Line>& lines) {
    if (lines.isEmpty())
        return;
    std::vector<double> heights;
    heights.reserve(size_t(lines.size()));
    for (const Line& l : lines)
        heights.push_back(l.maxY - l.minY);
    const double median = medianOf(std::move(heights));
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i].startsParagraph = (lines[i].minY - lines[i - 1].maxY) > median;
}

void joinHyphenatedWords(QList<Line>& lines) {
    qsizetype i = 0;
    while (i + 1 < lines.size()) {
        Line& line = lines[i];
        const Line& next = lines[i + 1];
        if (next.startsParagraph || line.text.isEmpty()) {
            ++i;
            continue;
        }
        const QStringView last = UnicodeText::lastCharacter(line.text);
        if (!isHyphen(last)) {
            ++i;
            continue;
        }
        const QStringView stem = QStringView(line.text).first(line.text.size() - last.size());
        if (stem.isEmpty() || !UnicodeText::isLetter(UnicodeText::lastCharacter(stem)) ||
            next.text.isEmpty() ||
            !UnicodeText::isLowercase(UnicodeText::firstCharacter(next.text))) {
            ++i;
            continue;
        }
        // The next line's first word, and what follows the space after it.
        const QStringView rest(next.text);
        qsizetype wordStart = 0;
        while (wordStart < rest.size() && rest[wordStart] == u' ')
            ++wordStart;
        qsizetype wordEnd = rest.indexOf(u' ', wordStart);
        if (wordEnd < 0)
            wordEnd = rest.size();
        const QString word = rest.sliced(wordStart, wordEnd - wordStart).toString();
        const QString remainder =
            wordEnd < rest.size() ? rest.sliced(wordEnd + 1).toString() : QString();

        line.text = stem.toString() + word;
        if (remainder.isEmpty()) {
            lines.removeAt(i + 1); // test the longer line against its new successor
        } else {
            lines[i + 1].text = remainder;
            ++i;
        }
    }
}

void applyIndentation(QList<Line>& lines, const TextObservations& observations) {
    if (observations.isEmpty())
        return;
    std::vector<double> widths;
    widths.reserve(size_t(observations.size()));
    for (const TextObservation& o : observations)
        widths.push_back(o.width /
                         double(std::max<qsizetype>(UnicodeText::characterCount(o.text), 1)));
    const double median = medianOf(std::move(widths));
    if (!(median > 0))
        return;

    double base = 0;
    bool haveBase = false;
    for (const Line& l : lines) {
        if (!l.isRightToLeft && (!haveBase || totalLess(l.minX, base))) {
            base = l.minX;
            haveBase = true;
        }
    }
    for (Line& l : lines) {
        if (l.isRightToLeft)
            continue;
        const double n = std::round((l.minX - base) / median); // halves away from zero
        if (!(n > 0))
            continue; // also NaN from non-finite boxes: such a line is not indented
        l.text.prepend(QString(qsizetype(std::min(n, maximumIndentation)), u' '));
    }
}

namespace {

// One column of text, its lines in order.
QList<Line> assembleColumn(const TextObservations& kept, bool keepIndentation,
                           bool fixHyphenation) {
    QList<Line> lines = groupIntoLines(kept);
    if (lines.isEmpty())
        return lines;
    markParagraphs(lines);
    if (fixHyphenation)
        joinHyphenatedWords(lines);
    if (keepIndentation)
        applyIndentation(lines, kept);
    return lines;
}

QString joined(const QList<Line>& lines) {
    QString text = lines.front().text;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        text += lines[i].startsParagraph ? QStringLiteral("\n\n") : QStringLiteral("\n");
        text += lines[i].text;
    }
    return text;
}

} // namespace

QString assemble(const TextObservations& observations, bool keepIndentation, bool fixHyphenation) {
    TextObservations kept;
    kept.reserve(observations.size());
    for (const TextObservation& o : observations)
        if (!UnicodeText::splitAtWhitespace(o.text).isEmpty())
            kept.append(o);

    // Separate columns are read one after the other, each as a text of its
    // own: grouping lines across them would interleave their lines. The
    // columns of a right-to-left text are read from the right.
    QList<QList<Line>> columns;
    qsizetype rightToLeft = 0;
    qsizetype lineCount = 0;
    for (const auto& indexes : TextColumns::columns(kept)) {
        TextObservations column;
        for (qsizetype i : indexes)
            column.append(kept[i]);
        QList<Line> lines = assembleColumn(column, keepIndentation, fixHyphenation);
        if (lines.isEmpty())
            continue;
        for (const Line& line : lines)
            rightToLeft += line.isRightToLeft ? 1 : 0;
        lineCount += lines.size();
        columns.append(std::move(lines));
    }
    if (columns.isEmpty())
        return {};
    if (rightToLeft * 2 > lineCount)
        std::reverse(columns.begin(), columns.end());
    QStringList texts;
    for (const auto& lines : columns)
        texts.append(joined(lines));
    return texts.join(QStringLiteral("\n\n"));
}

} // namespace TextAssembler
