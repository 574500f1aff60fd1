#include "capture/CaptureService.h"
#include "capture/ScreenFrames.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Areas the overlay never hands over (it cancels drags under 4 × 4 points),
// but the service must still answer soundly if it is asked.
class CaptureAreaTest : public ::testing::Test {
protected:
    CaptureAreaTest() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 800, 600)),
                        FakeScreens::display(2, QRect(800, 0, 800, 600), 2)};
    }
    QImage capture(quint32 display, QRectF rect) {
        frames.freeze(screens.list);
        return TestAsync::run(service.capture(ScreenSelection{display, rect}));
    }
    // The description of the failure; empty when the capture succeeded.
    std::string failure(quint32 display, QRectF rect) {
        try {
            capture(display, rect);
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    }

    FakeScreens screens;
    FakePermission permission;
    ScreenFrames frames{screens};
    CaptureService service{screens, permission, frames};
};

TEST_F(CaptureAreaTest, OnePointIsOnePixelAtTheDisplaysDensity) {
    const QImage dot = capture(1, QRectF(7, 9, 1, 1));
    ASSERT_EQ(dot.size(), QSize(1, 1));
    EXPECT_EQ(dot.pixel(0, 0), qRgb(7, 9, 1)); // the fake's pixels tell where they are
    const QImage dense = capture(2, QRectF(7, 9, 1, 1));
    ASSERT_EQ(dense.size(), QSize(2, 2));
    EXPECT_EQ(dense.pixel(1, 1), qRgb(15, 19, 2));
    EXPECT_TRUE(frames.isEmpty());
}

// Before, an area that rounds to no pixel at all came back as the whole
// display: a capture of far more than the user chose.
TEST_F(CaptureAreaTest, AnAreaWithoutAPixelIsRefusedNotTheWholeDisplay) {
    const std::string tooSmall = "The selected area is too small to capture.";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const QRectF& rect :
         {QRectF(10, 10, 0, 0), QRectF(10, 10, 0.4, 0.4), QRectF(10, 10, 0, 50),
          QRectF(10, 10, 50, -3), QRectF(nan, nan, nan, nan), QRectF(0, 0, infinity, infinity)}) {
        EXPECT_EQ(failure(1, rect), tooSmall)
            << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
        EXPECT_TRUE(frames.isEmpty());
    }
    // A quarter point on a display of density 2 is half a pixel: it rounds up to one.
    EXPECT_EQ(capture(2, QRectF(10, 10, 0.25, 0.25)).size(), QSize(1, 1));
}

TEST_F(CaptureAreaTest, AreasBeyondTheDisplayComeOutBlackAtTheirSize) {
    const QImage outside = capture(1, QRectF(790, 590, 20, 20));
    ASSERT_EQ(outside.size(), QSize(20, 20));
    EXPECT_EQ(outside.pixel(5, 5), qRgb(795 % 256, 595 % 256, 1));
    EXPECT_EQ(qGray(outside.pixel(15, 15)), 0);
}

TEST_F(CaptureAreaTest, ADisplayThatCannotBeReadFails) {
    screens.pixels[1] = QImage();
    EXPECT_EQ(failure(1, QRectF(0, 0, 10, 10)), "The screen could not be read.");
    EXPECT_EQ(failure(2, QRectF(0, 0, 10, 10)), "");
}

} // namespace
