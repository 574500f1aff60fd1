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
};
