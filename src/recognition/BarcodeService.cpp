#include "recognition/BarcodeService.h"

#include <QSet>

#include <algorithm>

BarcodeService::BarcodeService(BarcodeDetector& detector)
    : detector_(detector) {}

QCoro::Task<QStringList> BarcodeService::detect(QImage image) const {
    QCoro::Task<QList<DetectedBarcode>> detection = detector_.perform(std::move(image));
    QList<DetectedBarcode> codes = co_await std::move(detection);
    // Boxes have their origin at the bottom-left: a greater maxY is higher up.
    const auto maxY = [](const DetectedBarcode& c) {
        return c.boundingBox.y() + c.boundingBox.height();
    };
    const auto minX = [](const DetectedBarcode& c) { return c.boundingBox.x(); };
    std::stable_sort(codes.begin(), codes.end(),
                     [&](const DetectedBarcode& a, const DetectedBarcode& b) {
                         if (maxY(a) != maxY(b))
                             return maxY(a) > maxY(b);
                         return minX(a) < minX(b);
                     });
    QStringList payloads;
    QSet<QString> seen;
    for (const DetectedBarcode& code : codes) {
        // An empty payload has nothing to copy: it would only wipe the clipboard.
        if (code.payload && !code.payload->isEmpty() && !seen.contains(*code.payload)) {
            seen.insert(*code.payload);
            payloads.append(*code.payload);
        }
    }
    co_return payloads;
}
