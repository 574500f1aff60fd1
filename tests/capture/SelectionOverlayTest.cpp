#include "capture/OverlayWindow.h"
#include "capture/ScreenFrames.h"
#include "capture/SelectionOverlayController.h"
#include "capture/SelectionView.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class SelectionOverlayTest : public ::testing::Test {
protected:
    SelectionOverlayTest() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 1440, 900)),
                        FakeScreens::display(2, QRect(1440, -200, 1280, 800), 2)};
        screens.pointer = QPoint(100, 100);
    }

    // Starts a selection and returns the view of the given display's window.
    SelectionView* open(size_t displayIndex) {
        task = std::make_unique<QCoro::Task<std::optional<ScreenSelection>>>(overlay.select());
        task->then([this](std::optional<ScreenSelection> s) {
            result = s;
            done = true;
        });
        EXPECT_EQ(overlay.windows().size(), screens.list.size());
        return overlay.windows().at(displayIndex)->view();
    }

    void drag(SelectionView* view, QPoint from, QPoint to) {
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, (from + to) / 2);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }

    std::optional<ScreenSelection> finished() {
        EXPECT_TRUE(TestAsync::waitUntil([this] { return done; }));
        return result;
    }

    FakeScreens screens;
    ScreenFrames frames{screens};
    FakeFocus focus;
    SelectionOverlayController overlay{screens, frames, focus};
    std::unique_ptr<QCoro::Task<std::optional<ScreenSelection>>> task;
    std::optional<ScreenSelection> result;
    bool done = false;
};

TEST_F(SelectionOverlayTest, ADragIsRelativeToItsDisplayAndClampedToIt) {
    SelectionView* view = open(1);
    EXPECT_EQ(overlay.windows()[1]->geometry(), QRect(1440, -200, 1280, 800));
    EXPECT_FALSE(frames.isEmpty()); // frozen when the overlay opened
    focus.active = 7;               // something took the focus while the overlay was up
    drag(view, QPoint(1200, 700), QPoint(1300, 900)); // top-left to beyond the bottom right
    const auto s = finished();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->displayID, 2u);
    EXPECT_EQ(s->rect, QRectF(1200, 700, 80, 100));
    EXPECT_TRUE(overlay.windows().empty());
    // The window active before gets the focus back.
    EXPECT_EQ(focus.activated, std::vector<quint64>{42});

    done = false;
    drag(open(0), QPoint(300, 200), QPoint(100, 100)); // bottom-right to top-left
    EXPECT_EQ(finished()->rect, QRectF(100, 100, 200, 100));
}

TEST_F(SelectionOverlayTest, TinyDragsAndClicksCancel) {
    drag(open(0), QPoint(10, 10), QPoint(13, 40));
    EXPECT_FALSE(finished());
    EXPECT_TRUE(frames.isEmpty()); // nothing kept after a cancel

    done = false;
    drag(open(0), QPoint(10, 10), QPoint(14, 14));
    const auto s = finished();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->rect.size(), QSizeF(4, 4));
}

TEST_F(SelectionOverlayTest, OnlyThePrimaryButtonSelects) {
    SelectionView* view = open(0);
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(view, QPoint(200, 200));
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(200, 200));
    EXPECT_FALSE(view->selection());
    EXPECT_EQ(overlay.windows().size(), 2u); // still up

    // Another button pressed and let go during a drag leaves the drag alone.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mousePress(view, Qt::MiddleButton, {}, QPoint(50, 50));
    QTest::mouseRelease(view, Qt::MiddleButton, {}, QPoint(50, 50));
    QTest::mouseMove(view, QPoint(120, 70));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(120, 70));
    const auto s = finished();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->rect, QRectF(20, 20, 100, 50));
}

TEST_F(SelectionOverlayTest, EscapeCancelsAndASecondRequestYieldsNothing) {
    SelectionView* view = open(0);
    bool secondDone = false;
    std::optional<ScreenSelection> second = ScreenSelection{};
    overlay.select().then([&](std::optional<ScreenSelection> s) {
        second = s;
        secondDone = true;
    });
    EXPECT_TRUE(TestAsync::waitUntil([&] { return secondDone; }));
    EXPECT_FALSE(second);
    EXPECT_EQ(overlay.windows().size(), 2u); // the shown overlay is left alone

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(finished());
    EXPECT_TRUE(overlay.windows().empty());
}

// Reading the displays takes a while where another process or the desktop
// answers: all are read at once, and a request meanwhile opens nothing more.
TEST_F(SelectionOverlayTest, DisplaysAreReadTogetherAndARequestMeanwhileYieldsNothing) {
    screens.delay = std::chrono::milliseconds(50);
    overlay.select().then([this](std::optional<ScreenSelection> s) {
        result = s;
        done = true;
    });
    EXPECT_EQ(screens.grabs, 2); // both asked before either answered
    EXPECT_TRUE(overlay.windows().empty());
    bool secondDone = false;
    overlay.select().then([&](std::optional<ScreenSelection>) { secondDone = true; });
    EXPECT_TRUE(secondDone);
    EXPECT_TRUE(TestAsync::waitUntil([this] { return overlay.windows().size() == 2; }));
    QTest::keyClick(overlay.windows()[0]->view(), Qt::Key_Escape);
    EXPECT_FALSE(finished());
}

// Where only the program in front may set the clipboard (Wayland), a
// selection leaves the overlay up, with the keyboard, until released; a
// cancel closes it at once.
TEST_F(SelectionOverlayTest, HeldAfterASelectionUntilReleased) {
    overlay.setHoldOnSelection(true);
    SelectionView* view = open(0);
    focus.active = 7; // the overlay's window, say
    drag(view, QPoint(10, 10), QPoint(200, 100));
    ASSERT_TRUE(finished());
    EXPECT_TRUE(overlay.isHeld());
    EXPECT_TRUE(focus.activated.empty()); // the focus stays with the overlay
    overlay.release();
    EXPECT_FALSE(overlay.isHeld());
    EXPECT_EQ(focus.activated, std::vector<quint64>{42});

    done = false;
    QTest::keyClick(open(0), Qt::Key_Escape);
    EXPECT_FALSE(finished());
    EXPECT_FALSE(overlay.isHeld());
}

TEST_F(SelectionOverlayTest, TheOverlayShowsTheSizeAndFlipsTheLabelAtTheBottom) {
    SelectionView* view = open(0);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 800));
    QTest::mouseMove(view, QPoint(420, 896));
    const QImage shot = view->grab().toImage();
    // Dimmed outside, undimmed inside, white border.
    EXPECT_LT(qRed(shot.pixel(50, 50)), 50);
    EXPECT_EQ(shot.pixel(200, 850), qRgb(200, 850 % 256, 1));
    EXPECT_EQ(shot.pixel(100, 850), qRgb(255, 255, 255));
    QTest::keyClick(view, Qt::Key_Escape);
    finished();
}

} // namespace
