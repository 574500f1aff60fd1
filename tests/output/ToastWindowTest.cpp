#include "output/ToastWindow.h"
#include "output/BusyIndicator.h"
#include "output/ToastView.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ToastWindowTest : public ::testing::Test {
protected:
    ToastWindowTest() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 1440, 900)),
                        FakeScreens::display(2, QRect(1440, 0, 1920, 1080))};
    }
    FakeScreens screens;
    ToastWindow toast{screens};
};

TEST_F(ToastWindowTest, SitsAtTheBottomCentreOfTheDisplayUnderThePointer) {
    screens.pointer = QPoint(2000, 500);
    toast.show(QStringLiteral("Copied 12 words"), std::nullopt, {});
    QWidget* panel = toast.panel();
    ASSERT_TRUE(panel);
    const QRect area = screens.list[1].availableGeometry;
    EXPECT_NEAR(panel->geometry().center().x(), area.center().x(), 1);
    EXPECT_EQ(panel->geometry().bottom() + 1, area.bottom() + 1 - 80);
    EXPECT_TRUE(panel->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(panel->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(panel->accessibleName(), QStringLiteral("Copied 12 words"));
}

TEST_F(ToastWindowTest, ANewToastReplacesTheOldAtOnce) {
    toast.show(QStringLiteral("first"), std::nullopt, {});
    QPointer<QWidget> first = toast.panel();
    toast.show(QStringLiteral("second"), QStringLiteral("detail"), {});
    EXPECT_FALSE(first && first->isVisible());
    EXPECT_EQ(toast.view()->message(), QStringLiteral("second"));
}

TEST_F(ToastWindowTest, AnActionHidesTheToastBeforeItRuns) {
    bool wasShownDuringAction = true;
    toast.show(QStringLiteral("Copied 2 words"), std::nullopt,
               {{QStringLiteral("Undo"), [&] { wasShownDuringAction = toast.isShown(); }}});
    ASSERT_EQ(toast.view()->buttons().size(), 1);
    toast.view()->buttons().first()->click();
    EXPECT_FALSE(wasShownDuringAction);
    EXPECT_FALSE(toast.isShown());
}

TEST_F(ToastWindowTest, GoesAwayByItself) {
    toast.show(QStringLiteral("No text found"), QStringLiteral("Try zooming in."), {});
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !toast.isShown(); }));
}

TEST_F(ToastWindowTest, ScannedTextIsShownAsPlainTextOnAtMostTwoLines) {
    const QString markup = QStringLiteral("<b>BOLD</b> &amp; <i>it</i>");
    toast.show(markup, markup, {});
    for (const char* name : {"toastMessage", "toastDetail"}) {
        const auto* label = toast.panel()->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
        EXPECT_EQ(label->text(), markup) << name;
    }

    // A contact card: seven short lines, each break counted (CR LF too).
    toast.show(QStringLiteral("Copied QR / barcode content"),
               QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane\r\nFN:Jane Doe\r\n"
                              "TEL:+1 555 0100\r\nEMAIL:jane@example.com\r\nEND:VCARD"),
               {});
    const auto* detail = toast.panel()->findChild<QLabel*>(QStringLiteral("toastDetail"));
    EXPECT_LE(detail->text().count(u'\n'), 1) << detail->text().toStdString();
    EXPECT_FALSE(detail->text().contains(u'\r'));
    EXPECT_TRUE(detail->text().startsWith(QStringLiteral("BEGIN:VCARD")));
    EXPECT_TRUE(detail->text().endsWith(QStringLiteral("END:VCARD")));
    EXPECT_TRUE(detail->text().contains(u'\u2026'));
    EXPECT_LE(detail->sizeHint().height(), 2 * detail->fontMetrics().lineSpacing() + 2);
}

TEST_F(ToastWindowTest, ABusyToastGivesWayToTheNextOne) {
    toast.showBusy(QStringLiteral("Reading the text\u2026"), std::nullopt,
                   {{QStringLiteral("Cancel"), [] {}}});
    EXPECT_TRUE(toast.isBusy());
    EXPECT_TRUE(toast.panel()->findChild<BusyIndicator*>());
    toast.show(QStringLiteral("Copied 2 words"), std::nullopt, {});
    EXPECT_FALSE(toast.isBusy());
    EXPECT_TRUE(toast.isShown());
}

TEST(ToastView, LongDetailsLoseTheirMiddle) {
    const QString detail = QStringLiteral("start ") + QString(2000, u'x') + QStringLiteral(" end");
    QFont font;
    const QString elided = elideMiddle(detail, font, 320, 2);
    EXPECT_TRUE(elided.startsWith(QStringLiteral("start")));
    EXPECT_TRUE(elided.endsWith(QStringLiteral("end")));
    EXPECT_TRUE(elided.contains(QStringLiteral("\u2026")));
    EXPECT_EQ(elideMiddle(QStringLiteral("short"), font, 320, 2), QStringLiteral("short"));
}

} // namespace
