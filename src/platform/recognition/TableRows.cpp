#include "platform/recognition/TableRows.h"

#include <algorithm>
#include <vector>

namespace TableRows {
namespace {

using ScreenImagePreprocessor::InkBand;

// In text heights: a gap between cells is wider than a word space or one
// monospace space; one between words is wider than the gap between letters.
constexpr double cellGap = 0.8;
constexpr double wordGap = 0.2;
// A band more than this many row heights high may hold rows that touch. (A
// line of prose with ascenders and descenders is up to about 1.4 times one
// without; two touching rows are twice one.)
constexpr double tallBand = 1.6;
// Running text: lines of at least this many words (median) on both sides.
constexpr int runningTextWords = 4;
// A solid block at least this wide (in text heights) and this full is a
// cursor, not a letter.
constexpr double blockWidth = 0.3;
constexpr double blockFill = 0.9;

bool isInk(uchar level) {
    return level <= 255 - ScreenImagePreprocessor::inkThreshold;
}

struct Gap {
    int left = 0;
    int right = 0; // exclusive
};

struct Row {
    QRect box;
    std::vector<Gap> gaps; // between cells
    int firstWords = 0;    // words in the first and the last cell
    int lastWords = 0;
};

int median(std::vector<int> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + qsizetype(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Bands of touching rows (brackets, underscores or a cursor reach the row
// below) are cut where their ink thins out between two rows: near one row
// height below the top, at a row with little ink against the band's rows.
void splitTall(const QImage& image, InkBand band, int height, QList<InkBand>& out) {
    const int first = band.top;
    std::vector<int> ink;
    for (int y = band.top; y < band.bottom; ++y) {
        const uchar* line = image.constScanLine(y);
        ink.push_back(int(std::count_if(line, line + image.width(), isInk)));
    }
    const int typical = median(ink);
    while (band.bottom - band.top > tallBand * height) {
        const int from = band.top + height * 6 / 10;
        const int to = std::min(band.bottom - height / 2, band.top + height * 16 / 10);
        int best = -1;
        for (int y = from; y < to; ++y) {
            if (best < 0 || ink[size_t(y - first)] < ink[size_t(best - first)])
                best = y;
        }
        if (best < 0 || ink[size_t(best - first)] * 4 > typical)
            break;
        out << InkBand{band.top, best + 1};
        band.top = best + 1;
    }
    out << band;
}

Row measure(const QImage& image, const InkBand& band, int height) {
    std::vector<bool> ink(size_t(image.width()), false);
    for (int y = band.top; y < band.bottom; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (isInk(line[x]))
                ink[size_t(x)] = true;
    }
    Row row;
    const auto first = std::find(ink.begin(), ink.end(), true);
    if (first == ink.end())
        return row;
    const int left = int(first - ink.begin());
    const int right = int(ink.rend() - std::find(ink.rbegin(), ink.rend(), true)); // exclusive
    row.box = QRect(left, band.top, right - left, band.bottom - band.top);
    int words = 1; // in the cell being walked
    int run = 0;
    for (int x = left; x < right; ++x) {
        if (!ink[size_t(x)]) {
            ++run;
            continue;
        }
        if (run >= cellGap * height) {
            if (row.gaps.empty())
                row.firstWords = words;
            row.gaps.push_back(Gap{x - run, x});
            words = 1;
        } else if (run >= wordGap * height) {
            ++words;
        }
        run = 0;
    }
    if (row.gaps.empty())
        row.firstWords = words;
    row.lastWords = words;
    return row;
}

bool sharesGap(const Row& a, const Row& b, int minWidth) {
    for (const Gap& g : a.gaps) {
        for (const Gap& h : b.gaps) {
            if (std::min(g.right, h.right) - std::max(g.left, h.left) >= minWidth)
                return true;
        }
    }
    return false;
}

} // namespace

QList<QRect> find(const QImage& prepared, const QList<InkBand>& bands) {
    if (bands.size() < 3 || prepared.format() != QImage::Format_Grayscale8)
        return {};
    // The height of one row, from the lower bands: where rows touch, a band
    // holds two. Rules and specks (under half the median) are no rows.
    std::vector<int> heights;
    for (const auto& band : bands)
        heights.push_back(band.bottom - band.top);
    std::sort(heights.begin(), heights.end());
    const int half = heights[heights.size() / 2] / 2;
    std::erase_if(heights, [half](int h) { return h < half; });
    const int rowHeight = std::max(heights[heights.size() / 5], 4);

    QList<InkBand> split;
    for (const auto& band : bands)
        splitTall(prepared, band, rowHeight, split);
    heights.clear();
    for (const auto& band : split)
        heights.push_back(band.bottom - band.top);
    const int height = std::max(median(heights), 4);

    std::vector<Row> rows;
    for (const auto& band : split) {
        // Rules and specks are no rows.
        if (band.bottom - band.top < height / 3)
            continue;
        Row row = measure(prepared, band, height);
        if (!row.box.isEmpty())
            rows.push_back(std::move(row));
    }

    // Rows of cells: enough rows with gaps, most gaps lining up with those
    // of the row with gaps before. Rows that touch, as in a terminal, are
    // read row by row too: a page reading runs them together.
    std::vector<const Row*> gapped;
    for (const Row& row : rows)
        if (!row.gaps.empty())
            gapped.push_back(&row);
    size_t aligned = 0;
    for (size_t i = 1; i < gapped.size(); ++i)
        aligned += sharesGap(*gapped[i - 1], *gapped[i], int(cellGap * height / 2)) ? 1 : 0;
    const bool cells = gapped.size() >= 3 && gapped.size() * 5 >= rows.size() * 2 &&
                       aligned * 5 >= (gapped.size() - 1) * 3;
    const bool touching = split.size() > bands.size();
    if (!cells && !touching)
        return {};

    // Running text on both sides of a gutter: columns of an article.
    std::vector<int> firstWords;
    std::vector<int> lastWords;
    for (const Row* row : gapped) {
        firstWords.push_back(row->firstWords);
        lastWords.push_back(row->lastWords);
    }
    if (gapped.size() >= 3 && median(firstWords) >= runningTextWords &&
        median(lastWords) >= runningTextWords)
        return {};

    QList<QRect> boxes;
    for (const Row& row : rows)
        boxes << row.box;
    return boxes;
}

void eraseBlocks(QImage& strip) {
    const int height = strip.height();
    const int width = strip.width();
    if (height < 4 || strip.format() != QImage::Format_Grayscale8)
        return;
    // Columns whose ink runs from the top of the strip's ink to its bottom.
    int top = height;
    int bottom = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* line = strip.constScanLine(y);
        if (std::any_of(line, line + width, isInk)) {
            top = std::min(top, y);
            bottom = y + 1;
        }
    }
    if (bottom - top < 4)
        return;
    std::vector<int> ink(size_t(width), 0);
    for (int y = top; y < bottom; ++y) {
        const uchar* line = strip.constScanLine(y);
        for (int x = 0; x < width; ++x)
            ink[size_t(x)] += isInk(line[x]) ? 1 : 0;
    }
    const int rows = bottom - top;
    for (int x = 0; x < width;) {
        if (ink[size_t(x)] < blockFill * rows) {
            ++x;
            continue;
        }
        int end = x;
        while (end < width && ink[size_t(end)] >= blockFill * rows)
            ++end;
        if (end - x >= blockWidth * rows) {
            for (int y = 0; y < height; ++y)
                std::fill(strip.scanLine(y) + x, strip.scanLine(y) + end, uchar(255));
        }
        x = end;
    }
}

} // namespace TableRows
