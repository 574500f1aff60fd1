#include "platform/ZxingBarcodeDetector.h"

#include "support/Async.h"

#include <gtest/gtest.h>

namespace {

// Beyond the ceiling the detector answers at once instead of searching for
// most of a minute; up to it, it searches.
TEST(ZxingBarcodeLimit, ImagesAboveFortyMegapixelsAreRefusedAtOnce) {
    QImage huge(8000, 5001, QImage::Format_Grayscale8);
    huge.fill(255);
    ZxingBarcodeDetector detector;
    try {
        TestAsync::run(detector.perform(huge));
        ADD_FAILURE() << "searched an image of 40.008 megapixels";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The image is too large to search for codes (8000 × 5001 pixels; "
                               "at most 40 megapixels).");
    }
    QImage tall(1, 40'000'000, QImage::Format_Grayscale8);
    tall.fill(255);
    EXPECT_TRUE(ZxingBarcodeDetector::detect(tall).isEmpty());
}

} // namespace
