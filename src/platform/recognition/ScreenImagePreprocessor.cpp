#include "platform/recognition/ScreenImagePreprocessor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace ScreenImagePreprocessor {
namespace {

// Neighbours that differ by at most this much belong to one smooth run, so
// that gradients count as background.
constexpr int smoothStep = 2;
// Runs on both sides of a piece of text whose backgrounds differ by less than
// this are one gradient; otherwise they are two areas with an edge between.
constexpr int gradientSpan = 40;

// Gray levels, with transparent pixels over white (files may have alpha).
QImage toGray(const QImage& image) {
    if (image.format() == QImage::Format_Grayscale8)
        return image;
    // Screens come as RGB32; other formats are converted once.
    const QImage argb = image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    QImage gray(argb.size(), QImage::Format_Grayscale8);
    const int width = argb.width();
    const int height = argb.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = gray.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(in[x]);
            out[x] = uchar((qGray(in[x]) * alpha + 255 * (255 - alpha)) / 255);
        }
    }
    return gray;
}

int mostFrequentLevel(const QImage& gray) {
    std::array<qint64, 256> histogram{};
    const int width = gray.width();
    const int height = gray.height();
    for (int y = 0; y < height; ++y) {
        const uchar* row = gray.constScanLine(y);
        for (int x = 0; x < width; ++x)
            ++histogram[row[x]];
    }
    return int(std::max_element(histogram.begin(), histogram.end()) - histogram.begin());
}

// Bands of rows holding a pixel at least inkThreshold away from background.
QList<InkBand> bandsAgainst(const QImage& gray, int background) {
    QList<InkBand> bands;
    InkBand current;
    bool inBand = false;
    const int width = gray.width();
    const int height = gray.height();
    for (int y = 0; y < height; ++y) {
        const uchar* row = gray.constScanLine(y);
        bool any = false;
        for (int x = 0; x < width && !any; ++x)
            any = std::abs(row[x] - background) >= inkThreshold;
        if (any) {
            if (!inBand)
                current = InkBand{y, y};
            inBand = true;
            current.bottom = y + 1;
        } else if (inBand) {
            bands << current;
            inBand = false;
        }
    }
    if (inBand)
        bands << current;
    return bands;
}

int medianHeight(const QList<InkBand>& bands) {
    if (bands.isEmpty())
        return 0;
    std::vector<int> heights;
    for (const auto& band : bands)
        heights.push_back(band.bottom - band.top);
    std::nth_element(heights.begin(), heights.begin() + qsizetype(heights.size() / 2),
                     heights.end());
    return heights[heights.size() / 2];
}

// Replaces every pixel by 255 minus its distance from the background of its
// row. Runs of at least minRun smooth pixels are background; a pixel between
// two runs takes the background interpolated between them, or that of the
// nearer one when they differ too much to be one gradient.
QImage normalized(const QImage& gray, int minRun, int fallbackBackground) {
    const int width = gray.width();
    const int height = gray.height();
    QImage out(gray.size(), QImage::Format_Grayscale8);
    std::vector<std::pair<int, int>> runs; // first, last
    for (int y = 0; y < height; ++y) {
        const uchar* p = gray.constScanLine(y);
        uchar* o = out.scanLine(y);
        runs.clear();
        int start = 0;
        for (int x = 1; x <= width; ++x) {
            if (x == width || std::abs(p[x] - p[x - 1]) > smoothStep) {
                if (x - start >= minRun)
                    runs.emplace_back(start, x - 1);
                start = x;
            }
        }
        size_t k = 0; // the first run that does not end before x
        for (int x = 0; x < width; ++x) {
            while (k < runs.size() && runs[k].second < x)
                ++k;
            int background;
            if (runs.empty()) {
                background = fallbackBackground;
            } else if (k < runs.size() && runs[k].first <= x) {
                background = p[x];
            } else if (k == 0) {
                background = p[runs.front().first];
            } else if (k == runs.size()) {
                background = p[runs.back().second];
            } else {
                const int a = runs[k - 1].second;
                const int b = runs[k].first;
                const int va = p[a];
                const int vb = p[b];
                if (std::abs(va - vb) < gradientSpan)
                    background = va + (vb - va) * (x - a) / (b - a);
                else
                    background = x - a <= b - x ? va : vb;
            }
            o[x] = uchar(255 - std::abs(p[x] - background));
        }
    }
    return out;
}

// Bilinear enlargement of a Grayscale8 image. Qt's smooth scaling takes the
// 32-bit road for gray images and needed over a second for an 8K screen.
QImage enlarged(const QImage& gray, QSize size) {
    const int inWidth = gray.width();
    const int inHeight = gray.height();
    const double fx = double(inWidth) / size.width();
    const double fy = double(inHeight) / size.height();
    // Source column pairs and weights (out of 256), the same for every row.
    std::vector<int> left(static_cast<size_t>(size.width()));
    std::vector<int> weight(static_cast<size_t>(size.width()));
    for (int x = 0; x < size.width(); ++x) {
        const double source = std::clamp((x + 0.5) * fx - 0.5, 0.0, double(inWidth - 1));
        left[size_t(x)] = std::min(int(source), inWidth - 1);
        weight[size_t(x)] = int((source - left[size_t(x)]) * 256);
    }
    QImage out(size, QImage::Format_Grayscale8);
    std::vector<int> row(static_cast<size_t>(inWidth));
    for (int y = 0; y < size.height(); ++y) {
        const double source = std::clamp((y + 0.5) * fy - 0.5, 0.0, double(inHeight - 1));
        const int top = std::min(int(source), inHeight - 1);
        const int bottom = std::min(top + 1, inHeight - 1);
        const int wy = int((source - top) * 256);
        const uchar* a = gray.constScanLine(top);
        const uchar* b = gray.constScanLine(bottom);
        for (int x = 0; x < inWidth; ++x)
            row[size_t(x)] = a[x] * (256 - wy) + b[x] * wy; // 16 bits of fraction
        uchar* o = out.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const int l = left[size_t(x)];
            const int r = std::min(l + 1, inWidth - 1);
            const int wx = weight[size_t(x)];
            o[x] = uchar((row[size_t(l)] * (256 - wx) + row[size_t(r)] * wx + 32768) >> 16);
        }
    }
    return out;
}

// An underscore or the bar of a "-" drawn one pixel thin comes out as a run
// of pale gray, paler still once enlarged, and the engine then takes it for
// background. Horizontal runs of ink at least half a text height long with no
// ink two rows above or below them get twice their ink.
void strengthenThinRuns(QImage& flat, int height) {
    const int minRun = std::max(3, height / 2);
    const QImage source = flat.copy();
    const int width = source.width();
    auto ink = [&](int x, int y) {
        return y >= 0 && y < source.height() && source.constScanLine(y)[x] <= 255 - inkThreshold;
    };
    for (int y = 0; y < source.height(); ++y) {
        int x = 0;
        while (x < width) {
            if (!ink(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            int touching = 0;
            while (end < width && ink(end, y)) {
                touching += (ink(end, y - 2) || ink(end, y + 2)) ? 1 : 0;
                ++end;
            }
            if (end - x >= minRun && touching * 10 <= end - x) {
                uchar* row = flat.scanLine(y);
                for (int i = x; i < end; ++i)
                    row[i] = uchar(std::max(0, 2 * row[i] - 255));
            }
            x = end;
        }
    }
}

} // namespace

Prepared prepare(const QImage& image, const Limits& limits, const Steps& steps) {
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return {};
    const QImage gray = toGray(image);
    const int background = mostFrequentLevel(gray);

    // A first look at the text size against the most common background sets
    // how long a smooth run must be to count as background rather than a
    // stroke: longer than the strokes of a letter, shorter than a margin.
    const int roughHeight = medianHeight(bandsAgainst(gray, background));
    QImage flat = gray;
    int flatBackground = background;
    if (steps.background == Steps::Background::Flattened) {
        flat = normalized(gray, std::max(8, roughHeight), background);
        flatBackground = 255;
    } else if (steps.background == Steps::Background::Inverted && background < 128) {
        flat.invertPixels();
        flatBackground = 255 - background;
    }

    const QList<InkBand> bands = bandsAgainst(flat, flatBackground);
    if (bands.isEmpty())
        return {};
    const int height = medianHeight(bands);

    if (steps.strengthenThinStrokes && steps.background == Steps::Background::Flattened)
        strengthenThinRuns(flat, height);

    const double area = double(image.width()) * image.height();
    double scale = std::clamp(steps.enlargeTo / std::max(height, 1), 1.0, 4.0);
    scale = std::min({scale, std::sqrt(double(limits.maxPixels) / area),
                      double(limits.maxSide) / std::max(image.width(), image.height())});
    scale = std::max(scale, 1.0);

    Prepared prepared;
    prepared.scale = scale;
    prepared.textHeight = int(std::lround(height * scale));
    prepared.image = scale == 1.0 ? flat
                                  : enlarged(flat, QSize(int(std::lround(image.width() * scale)),
                                                         int(std::lround(image.height() * scale))));
    return prepared;
}

bool looksLikePhoto(const QImage& image, const QList<InkBand>& preparedBands, double scale) {
    if (image.height() < 120 || image.width() < 160)
        return false;
    int tallest = 0;
    for (const auto& band : preparedBands)
        tallest = std::max(tallest, band.bottom - band.top);
    return tallest >= 0.8 * image.height() * scale;
}

QList<QRect> photoTextRegions(const QImage& image) {
    // A sharp edge: a step of this much (out of 255) between pixels two apart.
    constexpr int sharpEdge = 96;
    const QImage gray = toGray(image);
    const int width = gray.width();
    const int height = gray.height();
    QImage edges(gray.size(), QImage::Format_Grayscale8);
    edges.fill(0);
    std::vector<int> perRow(size_t(height), 0);
    for (int y = 1; y + 1 < height; ++y) {
        const uchar* above = gray.constScanLine(y - 1);
        const uchar* row = gray.constScanLine(y);
        const uchar* below = gray.constScanLine(y + 1);
        uchar* out = edges.scanLine(y);
        for (int x = 1; x + 1 < width; ++x) {
            const int step =
                std::max(std::abs(row[x + 1] - row[x - 1]), std::abs(below[x] - above[x]));
            if (step >= sharpEdge) {
                out[x] = 1;
                ++perRow[size_t(y)];
            }
        }
    }
    // Rows of text hold many sharp edges; the rest of a photo few.
    std::vector<int> sorted = perRow;
    std::nth_element(sorted.begin(), sorted.begin() + qsizetype(sorted.size() / 2), sorted.end());
    const int busy = std::max(12, 4 * sorted[sorted.size() / 2]);
    QList<QRect> regions;
    int y = 0;
    while (y < height) {
        if (perRow[size_t(y)] < busy) {
            ++y;
            continue;
        }
        int end = y;
        while (end < height && perRow[size_t(end)] >= busy / 2)
            ++end;
        const int bandHeight = end - y;
        if (bandHeight >= 8) {
            // Columns with edges, joined across gaps smaller than the band's
            // height: the words of a line; the widest run is the line.
            std::vector<bool> any(size_t(width), false);
            for (int r = y; r < end; ++r) {
                const uchar* e = edges.constScanLine(r);
                for (int x = 0; x < width; ++x)
                    any[size_t(x)] = any[size_t(x)] || e[x];
            }
            int bestLeft = 0, bestRight = 0, left = -1, last = -1;
            for (int x = 0; x <= width; ++x) {
                const bool on = x < width && any[size_t(x)];
                if (on && left >= 0 && x - last > bandHeight) {
                    if (last - left > bestRight - bestLeft) {
                        bestLeft = left;
                        bestRight = last;
                    }
                    left = -1;
                }
                if (on) {
                    if (left < 0)
                        left = x;
                    last = x;
                }
                if (x == width && left >= 0 && last - left > bestRight - bestLeft) {
                    bestLeft = left;
                    bestRight = last;
                }
            }
            if (bestRight - bestLeft >= 2 * bandHeight) {
                const int pad = bandHeight / 2;
                regions << QRect(QPoint(bestLeft - pad, y - pad),
                                 QPoint(bestRight + pad, end + pad))
                               .intersected(gray.rect());
            }
        }
        y = end;
    }
    return regions;
}

QList<InkBand> inkBands(const QImage& prepared) {
    return bandsAgainst(prepared, 255);
}

} // namespace ScreenImagePreprocessor
