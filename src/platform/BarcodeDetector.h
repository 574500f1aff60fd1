#pragma once

#include "platform/Error.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

#include <qcoro/qcorotask.h>

// One detected code: its text payload (none for codes that carry only raw
// bytes) and its box normalised to 0…1 with the origin at the bottom-left.
struct DetectedBarcode {
    std::optional<QString> payload;
    QRectF boundingBox;
};

class BarcodeError : public Error {
public:
    using Error::Error;
};

// The platform's barcode detector: every symbology it knows. Detection runs
// off the main thread. Fails with BarcodeError.
class BarcodeDetector {
public:
    virtual ~BarcodeDetector() = default;
    virtual QCoro::Task<QList<DetectedBarcode>> perform(QImage image) = 0;
};
