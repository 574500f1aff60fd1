#pragma once

#include "platform/BarcodeDetector.h"

// A barcode detector that answers what the test set.
class FakeBarcodeDetector : public BarcodeDetector {
public:
    QCoro::Task<QList<DetectedBarcode>> perform(QImage image) override {
        received = image;
        if (!failure.isEmpty())
            throw BarcodeError(failure);
        co_return QList<DetectedBarcode>(codes); // a copy: co_return moves a member
    }

    QList<DetectedBarcode> codes;
    QString failure;
    QImage received;
};
