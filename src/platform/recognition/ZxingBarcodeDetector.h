#pragma once

#include "platform/BarcodeDetector.h"

// The barcode detector on ZXing-cpp: every symbology it reads, many codes per
// image, rotated codes, and light-on-dark ("dark mode") codes.
class ZxingBarcodeDetector : public BarcodeDetector {
public:
    // Runs detect() on a worker thread and resumes on the awaiting thread.
    // Fails with BarcodeError.
    QCoro::Task<QList<DetectedBarcode>> perform(QImage image) override;

    // Detection on the calling thread. Throws BarcodeError.
    static QList<DetectedBarcode> detect(const QImage& image);

    // Larger images are refused: the time grows with the area and nothing
    // stops the library once it runs (a blank 16384 × 16384 display took 40 s
    // and 800 MB). 40 megapixels holds an 8K display, as for text.
    static constexpr qint64 maxImagePixels = 40'000'000;
};
