#include "recognition/TextColumns.h"

#include "recognition/UnicodeText.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace TextColumns {
namespace {

// A gutter is wider than this many text heights: wider than the space
// between words, and than one monospace space.
constexpr double gutterWidth = 0.8;
// A column of running text holds lines of at least this many words (median).
constexpr qsizetype runningTextWords = 4;
// Rows of one table: at least this share of the pieces beside another
// column lie on a row of that column.
constexpr double alignedShare = 0.7;
constexpr double rowTolerance = 0.25;
// Lining pieces up compares each with the pieces beside it; more pieces than
// a screen holds lines are taken as one column.
constexpr qsizetype maxPieces = 2000;

bool finite(const TextObservation& o) {
    return std::isfinite(o.x) && std::isfinite(o.y) && std::isfinite(o.width) &&
           std::isfinite(o.height) && o.width >= 0 && o.height > 0;
}

// Cells of one row share their middle, give or take the descenders.
bool sameRow(const TextObservation& a, const TextObservation& b) {
    const double apart = std::abs((a.y + a.height / 2) - (b.y + b.height / 2));
    return apart < rowTolerance * std::max(a.height, b.height);
}

qsizetype medianWords(const TextObservations& pieces, const QList<qsizetype>& column) {
    std::vector<qsizetype> words;
    for (qsizetype i : column)
        words.push_back(UnicodeText::splitAtWhitespace(pieces[i].text).size());
    std::nth_element(words.begin(), words.begin() + qsizetype(words.size() / 2), words.end());
    return words[words.size() / 2];
}

// The share of pieces of each column that lie on a row of the column beside it.
double alignment(const TextObservations& pieces, const QList<QList<qsizetype>>& columns) {
    qsizetype aligned = 0;
    qsizetype total = 0;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        for (qsizetype i : columns[c]) {
            ++total;
            const auto beside = [&](qsizetype other) {
                if (other < 0 || other >= columns.size())
                    return false;
                return std::any_of(columns[other].begin(), columns[other].end(),
                                   [&](qsizetype j) { return sameRow(pieces[i], pieces[j]); });
            };
            if (beside(c - 1) || beside(c + 1))
                ++aligned;
        }
    }
    return total > 0 ? double(aligned) / double(total) : 1;
}

} // namespace

QList<QList<qsizetype>> columns(const TextObservations& pieces) {
    QList<qsizetype> all(pieces.size());
    std::iota(all.begin(), all.end(), 0);
    if (pieces.size() < 4 || pieces.size() > maxPieces ||
        !std::all_of(pieces.begin(), pieces.end(), finite))
        return {all};

    std::vector<double> heights;
    for (const auto& p : pieces)
        heights.push_back(p.height);
    std::nth_element(heights.begin(), heights.begin() + qsizetype(heights.size() / 2),
                     heights.end());
    const double gutter = gutterWidth * heights[heights.size() / 2];

    // Columns: runs of pieces whose horizontal extents overlap or nearly touch.
    QList<qsizetype> byX = all;
    std::stable_sort(byX.begin(), byX.end(),
                     [&](qsizetype a, qsizetype b) { return pieces[a].x < pieces[b].x; });
    QList<QList<qsizetype>> result;
    double right = 0;
    for (qsizetype i : byX) {
        const auto& p = pieces[i];
        if (result.isEmpty() || p.x - right > gutter) {
            result.append(QList<qsizetype>{});
            right = p.x + p.width;
        }
        result.last().append(i);
        right = std::max(right, p.x + p.width);
    }
    if (result.size() < 2)
        return {all};

    // Separate columns: their lines do not line up, or at least two of them
    // hold running text. Otherwise the gutters are the gaps of a table.
    const auto running = std::count_if(result.begin(), result.end(), [&](const auto& column) {
        return column.size() >= 2 && medianWords(pieces, column) >= runningTextWords;
    });
    // A lone piece off to one side (a button, a time stamp) makes no column.
    const auto blocks = std::count_if(result.begin(), result.end(),
                                      [](const auto& column) { return column.size() >= 3; });
    if (running >= 2 || (blocks >= 2 && alignment(pieces, result) < alignedShare))
        return result;
    return {all};
}

} // namespace TextColumns
