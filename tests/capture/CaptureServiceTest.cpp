#include "capture/CaptureService.h"
#include "capture/ScreenFrames.h"
#include "platform/Geometry.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class CaptureServiceTest : public ::testing::Test {
protected:
    CaptureServiceTest() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 800, 600)),
                        FakeScreens::display(2, QRect(800, 0, 800, 600), 2)};
    }
    QImage capture(quint32 display, QRectF rect, bool frozen = false) {
        if (frozen)
            TestAsync::run(frames.freeze(screens.list));
        return TestAsync::run(service.capture(ScreenSelection{display, rect}));
    }
    // The description of the failure; empty when the capture succeeded.
    std::string failure(quint32 display, QRectF rect, bool frozen = false) {
        try {
            capture(display, rect, frozen);
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    }
    static std::string error(CaptureService::CaptureError::Code code) {
        return CaptureService::CaptureError(code).what();
    }

    FakeScreens screens;
    FakePermission permission;
    ScreenFrames frames{screens};
    CaptureService service{screens, permission, frames};
};

TEST_F(CaptureServiceTest, CropsAtTheDisplaysPixelDensity) {
    EXPECT_EQ(capture(2, QRectF(0, 0, 100, 50)).size(), QSize(200, 100));
    EXPECT_EQ(capture(1, QRectF(0, 0, 100, 50)).size(), QSize(100, 50));
    // Exactly that rectangle: the fake's pixels encode their own position.
    const QImage image = capture(2, QRectF(10, 20, 30, 40));
    EXPECT_EQ(image.pixel(0, 0), qRgb(20, 40, 2));
    EXPECT_EQ(image.pixel(59, 79), qRgb(79, 119, 2));
}

TEST_F(CaptureServiceTest, CutsFromTheFrozenFrameAndForgetsIt) {
    TestAsync::run(frames.freeze(screens.list));
    QImage changed(800, 600, QImage::Format_RGB32);
    changed.fill(Qt::blue);
    screens.pixels[1] = changed; // the screen changed after the overlay opened
    const QImage image = capture(1, QRectF(10, 10, 20, 20));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 10, 1));
    EXPECT_TRUE(frames.isEmpty());
}

TEST_F(CaptureServiceTest, MissingPermissionUnreadableAndUnpluggedDisplaysFail) {
    permission.granted = false;
    EXPECT_EQ(failure(1, QRectF(0, 0, 10, 10)),
              error(CaptureService::CaptureError::permissionDenied));
    permission.granted = true;
    screens.pixels[1] = QImage();
    EXPECT_EQ(failure(1, QRectF(0, 0, 10, 10), true), "The screen could not be read.");
    EXPECT_EQ(failure(2, QRectF(0, 0, 10, 10), true), "");
    TestAsync::run(frames.freeze(screens.list));
    screens.list.removeLast(); // unplugged between the drag and the capture
    EXPECT_EQ(failure(2, QRectF(0, 0, 10, 10)),
              error(CaptureService::CaptureError::displayNotFound));
    EXPECT_TRUE(frames.isEmpty());
}

// Areas the overlay never hands over (it cancels drags under 4 × 4 points),
// but the service must still answer soundly: an area that rounds to no pixel
// is refused, never read as the whole display.
TEST_F(CaptureServiceTest, TheSmallestAreasAreOnePixelOrRefused) {
    const QImage dense = capture(2, QRectF(7, 9, 1, 1), true);
    ASSERT_EQ(dense.size(), QSize(2, 2));
    EXPECT_EQ(dense.pixel(1, 1), qRgb(15, 19, 2));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const QRectF& rect :
         {QRectF(10, 10, 0.4, 0.4), QRectF(10, 10, 0, 50), QRectF(10, 10, 50, -3),
          QRectF(nan, nan, nan, nan), QRectF(0, 0, infinity, infinity)}) {
        EXPECT_EQ(failure(1, rect, true), "The selected area is too small to capture.")
            << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
        EXPECT_TRUE(frames.isEmpty());
    }
}

TEST_F(CaptureServiceTest, AreasBeyondTheDisplayComeOutBlackAtTheirSize) {
    const QImage outside = capture(1, QRectF(790, 590, 20, 20), true);
    ASSERT_EQ(outside.size(), QSize(20, 20));
    EXPECT_EQ(outside.pixel(5, 5), qRgb(795 % 256, 595 % 256, 1));
    EXPECT_EQ(qGray(outside.pixel(15, 15)), 0);
}

TEST(Geometry, ConvertsBetweenNormalisedBoxesAndPixels) {
    const QRectF box(0.25, 0.65, 0.5, 0.1); // maxY 0.75
    EXPECT_EQ(Geometry::pixelsFromNormalized(box, QSizeF(400, 200)), QRectF(100, 50, 200, 20));
    const QRectF back = Geometry::normalizedFromPixels(QRectF(100, 50, 200, 20), QSizeF(400, 200));
    EXPECT_NEAR(back.y() + back.height(), 0.75, 1e-12);
    EXPECT_TRUE(Geometry::normalizedFromPixels(QRectF(0, 0, 1, 1), QSizeF(0, 0)).isNull());
    EXPECT_EQ(Geometry::pixelSize(QSizeF(10.3, 10.3), 2), QSize(21, 21));
    EXPECT_EQ(Geometry::pixelSize(QSizeF(0.25, 0.75), 2), QSize(1, 2)); // halves away from zero
}

TEST(Geometry, SizeLabelSitsBelowTheSelectionOrInsideAtTheBottom) {
    const QRectF bounds(0, 0, 1440, 900);
    EXPECT_EQ(SelectionLayout::sizeLabelText(QRectF(0, 0, 320.9, 48.2)),
              QStringLiteral("320 \u00D7 48"));
    EXPECT_EQ(SelectionLayout::sizeLabelRect(QRectF(100, 100, 200, 100), QSizeF(60, 16), bounds),
              QRectF(240, 204, 60, 16));
    EXPECT_EQ(SelectionLayout::sizeLabelRect(QRectF(100, 800, 200, 100), QSizeF(60, 16), bounds),
              QRectF(240, 880, 60, 16));
    EXPECT_EQ(SelectionLayout::redrawArea(QRectF(), QRectF(10, 10, 10, 10), bounds),
              QRectF(0, 0, 140, 60));
}

} // namespace
