#pragma once

#include <QImage>
#include <QList>

// Turns a screen image into what the engine reads best: dark text on white,
// whatever the colours and polarity of each part of the screen, with small
// text enlarged. Screen backgrounds are flat or smooth, so each row's
// background is known from its long smooth runs; a pixel's ink is its
// distance from that background. That puts light-on-dark title bars and
// selected rows next to dark-on-light text without guessing a polarity, and
// carries coloured, gradient and low-contrast backgrounds along.
namespace ScreenImagePreprocessor {

// A pixel this far (out of 255) from its background counts as ink; in a
// prepared image, a pixel of at most 255 - inkThreshold.
constexpr int inkThreshold = 32;

struct Prepared {
    QImage image;       // Grayscale8, dark text on white; empty when nothing is drawn
    double scale = 1;   // prepared pixels per original pixel
    int textHeight = 0; // typical height of a text row in prepared pixels; 0 without ink
};

// A run of rows with ink, bounded by rows without any.
struct InkBand {
    int top = 0;
    int bottom = 0; // exclusive
};

struct Limits {
    qint64 maxPixels = 40'000'000; // of the prepared image
    int maxSide = 30'000;          // the engine keeps coordinates in 16 bits
};

// The steps prepare() takes; all of them unless a measurement leaves some out.
struct Steps {
    enum class Background {
        Kept,      // gray levels as they are
        Inverted,  // the whole image inverted when its most common level is dark
        Flattened, // each row's background taken out, as described above
    };
    Background background = Background::Flattened;
    // Text rows lower than this many pixels are enlarged to it (0: never).
    // The engine reads enlarged screen fonts much better, but its time grows
    // with the height of the rows it reads; bench-recognition measures both.
    double enlargeTo = 24;
    // Thin horizontal strokes (underscores) darkened before enlarging.
    bool strengthenThinStrokes = true;
};

Prepared prepare(const QImage& image, const Limits& limits = {}, const Steps& steps = {});

// A photo or a busy picture: no row of the prepared image is free of ink,
// because no smooth background runs through it.
bool looksLikePhoto(const QImage& image, const QList<InkBand>& preparedBands, double scale);

// Where a photo shows lines of text, in the image's pixels: rows dense with
// sharp edges (letters) between rows without, grouped into boxes at least two
// text heights wide. Soft shapes, gradients and grain have no such edges.
QList<QRect> photoTextRegions(const QImage& image);

// The bands of rows with ink in a prepared image, top to bottom.
QList<InkBand> inkBands(const QImage& prepared);

} // namespace ScreenImagePreprocessor
