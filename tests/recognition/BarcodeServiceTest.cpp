#include "recognition/BarcodeService.h"

#include "support/Async.h"
#include "support/FakeBarcodeDetector.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A code whose box (bottom-left origin) spans x…x+0.1 and y…y+0.1.
DetectedBarcode code(std::optional<QString> payload, double x, double y) {
    return DetectedBarcode{std::move(payload), QRectF(x, y, 0.1, 0.1)};
}

QStringList detect(FakeBarcodeDetector& detector) {
    const BarcodeService service(detector);
    return TestAsync::run(service.detect(QImage(4, 4, QImage::Format_RGB32)));
}

TEST(BarcodeService, ReadsTopToBottomByTheTopEdgeThenLeftToRight) {
    FakeBarcodeDetector detector;
    detector.codes = {code(u"bottom left"_s, 0.0, 0.1),  code(u"top right"_s, 0.8, 0.8),
                      code(u"middle right"_s, 0.7, 0.5), code(u"top left"_s, 0.1, 0.8),
                      code(u"middle left"_s, 0.2, 0.5),  code(u"top right twin"_s, 0.8, 0.8)};
    EXPECT_EQ(detect(detector),
              (QStringList{u"top left"_s, u"top right"_s, u"top right twin"_s, u"middle left"_s,
                           u"middle right"_s, u"bottom left"_s}));
    EXPECT_EQ(detector.received.size(), QSize(4, 4));

    // Only the top edge decides the line: a taller code that starts lower down
    // but reaches as high comes in the same line.
    detector.codes = {DetectedBarcode{u"right"_s, QRectF(0.6, 0.5, 0.1, 0.3)},
                      DetectedBarcode{u"left, taller"_s, QRectF(0.1, 0.2, 0.1, 0.6)},
                      DetectedBarcode{u"lower"_s, QRectF(0.0, 0.55, 0.1, 0.2)}};
    EXPECT_EQ(detect(detector), (QStringList{u"left, taller"_s, u"right"_s, u"lower"_s}));
}

TEST(BarcodeService, SkipsCodesWithoutTextAndKeepsEachPayloadOnce) {
    FakeBarcodeDetector detector;
    detector.codes = {code(u"https://example.com"_s, 0.6, 0.2), code(std::nullopt, 0.0, 0.9),
                      code(u"https://example.com"_s, 0.1, 0.2), code(u""_s, 0.0, 0.0),
                      code(u"HTTPS://example.com"_s, 0.5, 0.5)};
    EXPECT_EQ(detect(detector), (QStringList{u"HTTPS://example.com"_s, u"https://example.com"_s}));

    detector.codes = {code(std::nullopt, 0.5, 0.5), code(u""_s, 0.1, 0.1)};
    EXPECT_TRUE(detect(detector).isEmpty());
    detector.codes = {};
    EXPECT_TRUE(detect(detector).isEmpty());
}

TEST(BarcodeService, DetectorFailuresPropagateUnchanged) {
    FakeBarcodeDetector detector;
    detector.codes = {code(u"never returned"_s, 0.5, 0.5)};
    detector.failure = u"The detector gave up."_s;
    try {
        detect(detector);
        ADD_FAILURE() << "no failure";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The detector gave up.");
    }
}

} // namespace
