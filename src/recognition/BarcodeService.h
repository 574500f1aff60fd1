#pragma once

#include "platform/BarcodeDetector.h"

#include <QImage>
#include <QStringList>

#include <qcoro/qcorotask.h>

// Reads the QR codes and barcodes in a captured image. Stateless: every call
// asks the detector afresh.
class BarcodeService {
public:
    explicit BarcodeService(BarcodeDetector& detector);

    // The text payloads in reading order (top to bottom, then left to right),
    // each once. Codes without a text payload are skipped; no code gives an
    // empty list. The detector's failure (BarcodeError) propagates unchanged.
    QCoro::Task<QStringList> detect(QImage image) const;

private:
    BarcodeDetector& detector_;
};
